#include "OpenDialog.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

QString projectOpenFilter()
{
    const QChar nul(0);
    return QString("Zandrel Tofmaar bestand (*.tof)") + nul + "*.tof" + nul + "Alle bestanden(*.*)" + nul + "*.*" + nul + nul;
}

QString ShowOpenDialog(QWidget *owner, QString &initDir, QString &filter, const QString &title, int multiSelect)
{
    const QString returnTo = QDir::currentPath();
    if (initDir.trimmed().isEmpty()) initDir = returnTo;
    if (filter.trimmed().remove(QChar(0)).isEmpty()) filter = DefaultOpenFilter;

    FileDialogRequest request;
    request.owner = owner;
    request.initialDir = initDir;
    request.filter = filter.split(QChar(0), Qt::SkipEmptyParts);
    request.title = title.trimmed().isEmpty() ? QStringLiteral("Openen") : title;
    request.multiSelect = multiSelect != 0;
    const QStringList chosen = dialogs().openFile(request);

    QDir::setCurrent(returnTo);
    if (chosen.isEmpty()) return {};
    if (chosen.size() == 1 || !request.multiSelect) return chosen.first().trimmed();
    QStringList parts{QDir::toNativeSeparators(QFileInfo(chosen.first()).absolutePath())};
    for (const QString &path : chosen) parts << QFileInfo(path).fileName();
    return parts.join(';');
}
