#pragma once
// Message boxes, input boxes and file dialogs. Every window and routine asks through these
// functions; the running program answers with real dialogs, a test with ScriptedDialogs.
#include <QString>
#include <QStringList>

class QWidget;

namespace MsgStyle {
enum : int {
    OK = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
    Critical = 16, Question = 32, Exclamation = 48, Information = 64,
    DefaultButton2 = 256, DefaultButton3 = 512,
};
}
// The title of the program's error messages.
inline const QString ErrorTitle = QStringLiteral("FOUTMELDING");

namespace MsgAnswer {
enum : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}

struct FileDialogRequest {
    QWidget *owner = nullptr;
    QString initialDir;
    // Pairs of description and pattern, as the windows give them ("Zandrel Tofmaar bestand (*.tof)", "*.tof", ...).
    QStringList filter;
    QString title;
    bool multiSelect = false;
    // Save dialog: the extension (without ".") that a name typed without one gets.
    QString defaultSuffix;
};

// A folder browser: the user picks a folder (or, with includeFiles, a file) below `root`.
struct FolderBrowseRequest {
    QWidget *owner = nullptr;
    QString title;
    QString root;        // "" for the whole file system
    QString startFolder; // preselected; "" for none
    bool includeFiles = false;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual int msgBox(const QString &prompt, int style, const QString &title) = 0;
    // Returns the typed text, or "" when the box was cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // Full paths of the chosen files; empty when cancelled.
    virtual QStringList openFile(const FileDialogRequest &request) = 0;
    // Full path of the chosen file, or "" when cancelled.
    virtual QString saveFile(const FileDialogRequest &request) = 0;
    // Full path of the chosen folder, or "" when cancelled.
    virtual QString browseFolder(const FolderBrowseRequest &request) { Q_UNUSED(request); return {}; }
};

// The service in force; installs and returns the previous one (nullptr restores the default).
DialogService *setDialogService(DialogService *service);
DialogService &dialogs();

int MsgBox(const QString &prompt, int style = 0, const QString &title = QString());
QString InputBox(const QString &prompt, const QString &title = QString(), const QString &defaultText = QString());

// The path with ".suffix" added when its file name has no extension; "" stays "".
QString withDefaultSuffix(const QString &path, const QString &suffix);

// Qt name-filter text for description/pattern pairs; a pattern matches lower and upper case.
QString qtNameFilters(const QStringList &pairs);
