#pragma once
#include <QString>

class QWidget;

// The filter is a NUL-separated list of description/pattern pairs ended by an extra NUL.
inline const QString DefaultOpenFilter = QStringLiteral("Alle bestanden (*.*)") + QChar(0) + "*.*" + QChar(0);
// The main screen's project filter.
QString projectOpenFilter();

// Shows the open-file dialog and returns the chosen path, "" when cancelled. A blank initDir or
// filter is replaced (in the caller's variable too) by the current folder or the default filter;
// a blank title by "Openen". With multiSelect several files come back as the folder followed by
// the bare names, joined by ";". The current folder is the same afterwards.
QString ShowOpenDialog(QWidget *owner, QString &initDir, QString &filter, const QString &title, int multiSelect);
