#include "PersonalData.h"

#include "WholeNumber.h"
#include "platform/TextFile.h"

#include <QFileInfo>

QString PersonalData::field(int index) const
{
    if (index < FirstPersonalField || index > LastPersonalField) return QString();
    return this->*PersonalFields[index - FirstPersonalField].member;
}

void PersonalData::setField(int index, const QString &text)
{
    if (index >= FirstPersonalField && index <= LastPersonalField)
        this->*PersonalFields[index - FirstPersonalField].member = text;
}

const QStringList &mailMethodNames()
{
    static const QStringList names{"Standaard", "WinSock", "Outlook"};
    return names;
}

MailMethodKind mailMethodAt(int index)
{
    return index >= 0 && index < mailMethodNames().size() ? MailMethodKind(index) : MailMethodKind::None;
}

PersonalDataFile readPersonalDataFile(int longestField)
{
    const QString path = findFile("PersGeg.Txt");
    PersonalDataFile file;
    if (path.isEmpty()) {
        file.mailMethod = MailMethodKind::Standard;
        return file;
    }
    const int count = int(std::size(PersonalFields));
    QString error;
    const std::optional<QStringList> read = readTextLines(path, &error);
    const QString keeping = "\r\n\r\nHet bestand wordt bij het afsluiten niet overschreven.";
    if (!read) {
        file.keep = true;
        file.problem = "PersGeg.Txt kan niet worden gelezen.\r\n(" + error + ")" + keeping;
        return file;
    }
    const QStringList &lines = *read;
    file.fields = lines.mid(0, count);
    for (int i = 0; i < file.fields.size(); ++i)
        if (file.fields[i].size() > longestField) {
            // The field would cut it, and the shut-down would write the cut text back.
            file.keep = true;
            file.problem = "Regel " + QString::number(i + 1) + " van PersGeg.Txt is langer dan het invoerveld toelaat ("
                           + QString::number(longestField) + " tekens)." + keeping;
            break;
        }
    if (lines.size() > count) {
        const std::optional<int> method = wholeNumber(lines[count]);
        // -1, as an unselected method is written, comes back as the first.
        if (method && *method >= -1 && *method < mailMethodNames().size()) file.mailMethod = mailMethodAt(qMax(0, *method));
    }
    return file;
}

QString writePersonalDataFile(const PersonalData &personal, MailMethodKind method)
{
    QStringList lines;
    for (const PersonalField &f : PersonalFields) {
        QString text = personal.*f.member;
        text.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
        lines << text;
    }
    const int mailMethod = int(method);
    lines << (mailMethod >= 0 ? " " : "") + QString::number(mailMethod);
    QString name = findFile("PersGeg.Txt");
    if (name.isEmpty()) name = "PersGeg.Txt";
    QString error;
    if (writeTextLines(name, lines, &error)) return {};
    return "De persoonlijke gegevens zijn niet opgeslagen !\r\n\r\n" + QFileInfo(name).absoluteFilePath() + "\r\n\r\n" + error;
}
