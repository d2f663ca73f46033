#pragma once
// The user's personal and mail data as plain values, for the routines that write them into files
// and mails: filled from the main screen's fields 2 to 12 (PersonalFields) at the moment of use.
#include "PersonalFields.h"

#include <QString>

struct PersonalData {
    QString CustomerNumber;     // 2
    QString Company;            // 3
    QString Contact;            // 4
    QString Address;            // 5
    QString Postcode;           // 6
    QString Town;               // 7
    QString Telephone;          // 8
    QString Fax;                // 9
    QString ProjectDescription; // 10
    QString EMail;              // 11
    QString MailServer;         // 12

    static PersonalData from(const PersonalFields &fields);
    // Field `index` (2 to 12) as the main screen numbers them; "" out of range.
    QString field(int index) const;
};
