#pragma once
// The test side of Dialogs.h: answers every box from a queue and records what was shown.
// A box nobody expected is recorded as unexpected (and answered with Cancel), so a test can fail on it.
#include "Dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

struct ShownBox {
    enum Kind { Message, Input, OpenFile, SaveFile, BrowseFolder } kind = Message;
    QString prompt;
    int style = 0;
    QString title;
    FileDialogRequest request; // for the file dialogs
    FolderBrowseRequest folderRequest; // for the folder browser
};

class ScriptedDialogs final : public DialogService {
public:
    ScriptedDialogs();  // installs itself
    ~ScriptedDialogs() override; // puts the previous service back

    // Queue the answer to the next message box; when a prompt or title is given the box must match it.
    ScriptedDialogs &answer(int button, const QString &expectedPrompt = QString(), const QString &expectedTitle = QString());
    ScriptedDialogs &answerInput(const QString &text);
    ScriptedDialogs &answerOpen(const QStringList &paths);
    ScriptedDialogs &answerSave(const QString &path);
    ScriptedDialogs &answerFolder(const QString &path); // "" cancels
    // Runs while the next box is open (for example to check the state a box is shown in).
    ScriptedDialogs &onNext(std::function<void()> action);

    int msgBox(const QString &prompt, int style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    QStringList openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;
    QString browseFolder(const FolderBrowseRequest &request) override;

    QList<ShownBox> shown;      // every box, in order
    QStringList problems;       // unexpected boxes, mismatched prompts, answers of the wrong kind
    int pending() const { return int(queue.size()); }
    // "" when every queued answer was used and nothing unexpected happened.
    QString verify() const;
    QStringList prompts() const;

private:
    struct Answer {
        ShownBox::Kind kind;
        int button = 0;
        QString text;
        QStringList paths;
        QString expectedPrompt, expectedTitle;
    };
    bool take(ShownBox::Kind kind, const ShownBox &box, Answer &out);
    QList<Answer> queue;
    std::function<void()> nextAction;
    DialogService *previous = nullptr;
};
