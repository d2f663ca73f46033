#include "ShellLink.h"

#include "Installed.h"
#include "Unpack.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace {
const QString ShellProgram = QStringLiteral("/bin/sh");
const QString ShellStart = QStringLiteral("exec \"$0\" \"$@\"");

// The escapes of a string value: \s \n \t \r \\.
QString escapeValue(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    if (out.startsWith(' ')) out.replace(0, 1, "\\s");
    return out;
}

QString unescapeValue(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar c = text[++i];
        out += c == 's' ? QChar(' ') : c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c == 'r' ? QChar('\r') : c;
    }
    return out;
}

// An argument in double quotes, with the four characters the quotes do not protect escaped;
// a literal "%" is doubled, since the launcher expands field codes first.
QString quoteArgument(const QString &argument)
{
    QString out = "\"";
    for (const QChar c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        out += c;
        if (c == '%') out += '%';
    }
    return out + "\"";
}

QString entryName(const QString &lnkFile)
{
    QString name = QFileInfo(lnkFile).fileName();
    if (name.endsWith(".desktop")) name.chop(8);
    return name;
}
}

QString desktopExec(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &a : arguments) quoted << quoteArgument(a);
    return quoted.join(' ');
}

QStringList desktopExecArguments(const QString &exec)
{
    QStringList out;
    QString current;
    bool inArgument = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            current += '%';
            inArgument = true;
            ++i;
        } else if (quoted) {
            if (c == '\\' && i + 1 < exec.size()) current += exec[++i];
            else if (c == '"') quoted = false;
            else current += c;
        } else if (c == '"') {
            quoted = inArgument = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inArgument) out << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) out << current;
    return out;
}

int cShellLink::CreateShellLink(const QString &LnkFile, const QString &ExeFile, const QString &WorkDir,
                                const QString &ExeArgs, const QString &IconFile, int IconIdx,
                                const QString &ToolTipText, int ShowCmd)
{
    Q_UNUSED(IconIdx);
    Q_UNUSED(ShowCmd);
    if (LnkFile.isEmpty() || ExeFile.isEmpty()) return 0;
    QStringList exec{ExeFile};
    // GLib's launchers look the program up before they undo the "%%" escape, and so find no program
    // whose path holds a "%": such a program is started through the shell, which they do find.
    if (ExeFile.contains('%')) exec = QStringList{ShellProgram, "-c", ShellStart, ExeFile};
    if (!ExeArgs.isEmpty()) exec << ExeArgs;
    QStringList lines{"[Desktop Entry]", "Type=Application", "Version=1.0", "Name=" + escapeValue(entryName(LnkFile))};
    if (!ToolTipText.isEmpty()) lines << "Comment=" + escapeValue(ToolTipText);
    lines << "Exec=" + escapeValue(desktopExec(exec));
    if (!WorkDir.isEmpty()) lines << "Path=" + escapeValue(WorkDir);
    // Without an icon file a link shows its program's own icon: here the installation's, beside it.
    QString icon = IconFile;
    if (icon.isEmpty()) icon = QFileInfo(ExeFile).absolutePath() + "/" + Installed::ProgramIcon;
    if (!IconFile.isEmpty() || QFileInfo(icon).isFile()) lines << "Icon=" + escapeValue(icon);
    lines << "Categories=" + Installed::MenuCategories << "Terminal=false";
    return writeSetupFile(LnkFile, (lines.join('\n') + '\n').toUtf8()) ? -1 : 0;
}

int cShellLink::GetShellLinkInfo(const QString &LnkFile, QString &ExeFile, QString &WorkDir, QString &ExeArgs,
                                 QString &IconFile, int &IconIdx, int &ShowCmd)
{
    if (LnkFile.isEmpty()) return 0;
    const std::optional<QByteArray> bytes = readRegularFile(LnkFile);
    if (!bytes) return 0;
    bool inEntry = false, found = false;
    for (const QString &line : QString::fromUtf8(*bytes).split('\n')) {
        if (line.startsWith('[')) {
            inEntry = line.trimmed() == "[Desktop Entry]";
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inEntry || eq < 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = unescapeValue(line.mid(eq + 1).trimmed());
        if (key == "Exec") {
            QStringList args = desktopExecArguments(value);
            if (args.size() >= 4 && args[0] == ShellProgram && args[1] == "-c" && args[2] == ShellStart) args = args.mid(3);
            ExeFile = args.value(0);
            ExeArgs = args.mid(1).join(' ');
            found = true;
        } else if (key == "Path") {
            WorkDir = value;
        } else if (key == "Icon") {
            IconFile = value;
        }
    }
    IconIdx = 0;
    ShowCmd = 5;
    return found ? -1 : 0;
}
