#pragma once
// The catalogue's pictures (ICO, IMG, Vormen): read as every file of the program folder is (a regular
// file within the bound, an open that never waits), then decoded. A file that cannot be read so gives
// the null picture, which the callers already treat as a missing one.
#include <QIcon>
#include <QImage>
#include <QString>

QImage readPicture(const QString &path);

// Every size an icon file holds, as loading the icon by its name would give.
QIcon readIcon(const QString &path);
