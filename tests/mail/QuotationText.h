#pragma once
// The De Vries customer, with postcode, town and fax left empty, and the body of the quotation
// request written out by hand for him: line 6 is postcode and town with one blank between, here
// both empty.
#include "model/PersonalData.h"

#include <QString>

inline PersonalData devries(const QString &server)
{
    PersonalData p;
    p.CustomerNumber = "4711";
    p.Company = "Bouwbedrijf De Vries";
    p.Contact = "Jan de Vries";
    p.Address = "Dorpsstraat 1";
    p.Telephone = "0123-456789";
    p.ProjectDescription = "Nieuwbouw Kerkstraat";
    p.EMail = "jan@devries.nl";
    p.MailServer = server;
    return p;
}

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
