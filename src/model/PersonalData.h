#pragma once
// The user's personal and mail data: what the main screen shows in its fields 2 to 12 (the rows of
// PersonalFields). The project state holds them; the project file, the drawing export and
// the mail read them there, so none of them needs the window.
#include <QString>
#include <QStringList>
#include <iterator>
#include <optional>

constexpr int FirstPersonalField = 2;
constexpr int LastPersonalField = 12;
constexpr int EMailField = 11;
constexpr int MailServerField = 12;

struct PersonalData {
    QString CustomerNumber;
    QString Company;
    QString Contact;
    QString Address;
    QString Postcode;
    QString Town;
    QString Telephone;
    QString Fax;
    QString ProjectDescription;
    QString EMail;
    QString MailServer;

    // Field `index` (2 to 12) as the main screen numbers them; "" out of range.
    QString field(int index) const;
    // Out of range: nothing changes.
    void setField(int index, const QString &text);

    bool operator==(const PersonalData &) const = default;
};

// One row per personal field, in the order of the main screen (fields 2 to 12), PersGeg.Txt and the
// project file. The label names the field on the screen and heads its help balloon.
struct PersonalField {
    QString PersonalData::*member;
    const char *label;
    const char *balloon;
};
inline constexpr PersonalField PersonalFields[] = {
    {&PersonalData::CustomerNumber, "Klantnummer", "Hier kunt u uw klantnummer opgeven. (Indien bekend)"},
    {&PersonalData::Company, "Bedrijfsnaam", "Hier geeft u uw bedrijfsnaam op."},
    {&PersonalData::Contact, "Contactpersoon", "Hier geeft u uw eigen naam op."},
    {&PersonalData::Address, "Adres", "Hier geeft u uw adres op."},
    {&PersonalData::Postcode, "Postcode", "Hier geeft u uw postcode op."},
    {&PersonalData::Town, "Woonplaats", "Hier geeft u uw woonplaats op."},
    {&PersonalData::Telephone, "Telefoon", "Hier geeft u uw telefoonnummer op."},
    {&PersonalData::Fax, "Fax", "Hier geeft u uw faxnummer op."},
    {&PersonalData::ProjectDescription, "Project omschrijving",
     "Hier kunt u een korte omschrijving van het project opgeven. (Optioneel)"},
    {&PersonalData::EMail, "E-Mail adres", "Hier geeft u uw e-mail adres op."},
    {&PersonalData::MailServer, "Mail server (smtp)",
     "Hier geeft u de naam van uw mailserver (smtp) op voor de uitgaande mail.\r\n"
     "Zie uw account gegevens van uw e-mail software bv. Outlook of raadpleeg uw provider gegevens."},
};
static_assert(std::size(PersonalFields) == LastPersonalField - FirstPersonalField + 1);
static_assert(PersonalFields[EMailField - FirstPersonalField].member == &PersonalData::EMail);
static_assert(PersonalFields[MailServerField - FirstPersonalField].member == &PersonalData::MailServer);

// The mail methods the user chooses from; the value is the method's place in the list and the
// number PersGeg.Txt keeps (-1: none chosen).
enum class MailMethodKind { None = -1, Standard, WinSock, Outlook };
// The names of the methods, in list order: "Standaard", "WinSock", "Outlook".
const QStringList &mailMethodNames();
// The method at list index `index`; None for -1 and for an index out of range.
MailMethodKind mailMethodAt(int index);

// PersGeg.Txt: the eleven fields one to a line, then the mail method's list index.
struct PersonalDataFile {
    QStringList fields;             // as many as the file holds, at most eleven
    std::optional<MailMethodKind> mailMethod; // nullopt: none selected (a short file, or no method's index)
    // The file is there but was not read whole (unreadable, a folder of that name, or a line longer
    // than its field holds): the shut-down leaves it alone, and `problem` tells the user so once.
    bool keep = false;
    QString problem;
};
// Without the file: no fields and the first mail method. An unreadable file gives no fields either.
PersonalDataFile readPersonalDataFile(int longestField);
// A field's line breaks become blanks, so that every field stays on its own line; an unselected
// method (-1) is written as -1. Returns "" when written, else the message that says why not.
QString writePersonalDataFile(const PersonalData &personal, MailMethodKind mailMethod);
