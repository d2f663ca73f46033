#include "PersonalData.h"

#include "WholeNumber.h"
#include "platform/TextFile.h"

namespace {
constexpr QString PersonalData::*Members[] = {
    &PersonalData::CustomerNumber, &PersonalData::Company, &PersonalData::Contact,
    &PersonalData::Address, &PersonalData::Postcode, &PersonalData::Town,
    &PersonalData::Telephone, &PersonalData::Fax, &PersonalData::ProjectDescription,
    &PersonalData::EMail, &PersonalData::MailServer,
};
static_assert(std::size(Members) == LastPersonalField - FirstPersonalField + 1);
}

PersonalData PersonalData::from(const PersonalFields &fields)
{
    PersonalData d;
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i)
        d.*Members[i - FirstPersonalField] = fields.personalField(i);
    return d;
}

QString PersonalData::field(int index) const
{
    if (index < FirstPersonalField || index > LastPersonalField) return QString();
    return this->*Members[index - FirstPersonalField];
}

const QStringList &MailMethods()
{
    static const QStringList methods{"Standaard", "WinSock", "Outlook"};
    return methods;
}

PersonalDataFile ReadPersonalDataFile()
{
    const QString path = findFile("PersGeg.Txt");
    if (path.isEmpty()) return {{}, 0};
    const QStringList lines = readTextLines(path).value_or(QStringList());
    const int count = LastPersonalField - FirstPersonalField + 1;
    PersonalDataFile file{lines.mid(0, count), std::nullopt};
    if (lines.size() > count) {
        const std::optional<int> method = WholeNumber(lines[count]);
        // -1, as an unselected method is written, comes back as the first.
        if (method && *method >= -1 && *method < MailMethods().size()) file.mailMethod = qMax(0, *method);
    }
    return file;
}

void WritePersonalDataFile(const PersonalFields &fields, int mailMethod)
{
    QStringList lines;
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i) {
        QString text = fields.personalField(i);
        text.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
        lines << text;
    }
    lines << (mailMethod >= 0 ? " " : "") + QString::number(mailMethod);
    writeTextLines("PersGeg.Txt", lines);
}
