#pragma once
// A home of its own for one test: HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point into a temporary
// folder, and come back as they were afterwards.
#include "TreeState.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class Sandbox {
public:
    Sandbox()
    {
        for (const char *name : Variables) saved << qgetenv(name);
        QDir().mkpath(home());
        qputenv("HOME", QFile::encodeName(home()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home() + "/.config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home() + "/.local/share"));
    }
    ~Sandbox()
    {
        for (int i = 0; i < 3; ++i) {
            if (saved[i].isNull()) qunsetenv(Variables[i]);
            else qputenv(Variables[i], saved[i]);
        }
    }
    QString root() const { return dir.path(); }
    QString home() const { return dir.path() + "/home"; }
    QString config() const { return home() + "/.config"; }
    QString applications() const { return home() + "/.local/share/applications"; }
    QString components() const { return home() + "/.local/share/ZanTof/components"; }

    // Every path below the sandbox, for checking that nothing was written where it should not be.
    QStringList everything() const { return treeState(dir.path()).keys(); }

private:
    static constexpr const char *Variables[3] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
    QTemporaryDir dir;
    QList<QByteArray> saved;
};

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What Debian's desktop-entry validator says of a file; "" when it has nothing to object.
inline QString validateDesktopEntry(const QString &file)
{
    QProcess p;
    p.start("desktop-file-validate", {file});
    if (!p.waitForFinished(20000)) return "desktop-file-validate did not run";
    const QString said = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
    return p.exitCode() == 0 && !said.contains("error:") ? QString() : said;
}
