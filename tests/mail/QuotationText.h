#pragma once
// The quotation request body for the De Vries customer with postcode, town and fax left empty,
// written out by hand: line 6 is postcode and town with one blank between, here both empty.
#include <QString>

inline const QString DeVriesQuotationBody = "Dit is een automatisch gegenereerde e-mail van een offerte aanvraag van:\r\n"
                                            "\r\n"
                                            "Bouwbedrijf De Vries\r\n"
                                            "Jan de Vries\r\n"
                                            "Dorpsstraat 1\r\n"
                                            " \r\n"
                                            "Tel: 0123-456789 Fax: \r\n"
                                            "jan@devries.nl\r\n"
                                            "\r\n"
                                            "zie bijlage voor de tekeningen";
