#pragma once
#include "platform/Dialogs.h"

// Real message boxes and file dialogs; the program installs one at start.
class QtDialogs final : public DialogService {
public:
    int msgBox(const QString &prompt, int style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    QStringList openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;
    QString browseFolder(const FolderBrowseRequest &request) override;
};
