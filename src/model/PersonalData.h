#pragma once
// The user's personal and mail data: what the main screen shows in its fields 2 to 12 (customer
// number, company, contact, address, postcode, town, telephone, fax, project description, e-mail
// address, mail server). The project state holds them; the project file, the drawing export and
// the mail read them there, so none of them needs the window.
#include <QString>
#include <QStringList>
#include <optional>

constexpr int FirstPersonalField = 2;
constexpr int LastPersonalField = 12;
constexpr int EMailField = 11;
constexpr int MailServerField = 12;

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

    // Field `index` (2 to 12) as the main screen numbers them; "" out of range.
    QString field(int index) const;
    // Out of range: nothing changes.
    void setField(int index, const QString &text);

    bool operator==(const PersonalData &) const = default;
};

// The mail methods the user chooses from, in list order.
const QStringList &MailMethods();

// PersGeg.Txt: the eleven fields one to a line, then the mail method's list index.
struct PersonalDataFile {
    QStringList fields;             // as many as the file holds, at most eleven
    std::optional<int> mailMethod;  // nullopt: none selected (a short file, or no method's index)
    // The file is there but was not read whole (unreadable, a folder of that name, or a line longer
    // than its field holds): the shut-down leaves it alone, and `problem` tells the user so once.
    bool keep = false;
    QString problem;
};
// Without the file: no fields and the first mail method. An unreadable file gives no fields either.
PersonalDataFile ReadPersonalDataFile(int longestField);
// A field's line breaks become blanks, so that every field stays on its own line; an unselected
// method (-1) is written as -1. Returns "" when written, else the message that says why not.
QString WritePersonalDataFile(const PersonalData &personal, int mailMethod);
