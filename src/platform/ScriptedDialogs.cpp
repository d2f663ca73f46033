#include "ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs() { previous = setDialogService(this); }
ScriptedDialogs::~ScriptedDialogs() { setDialogService(previous); }

ScriptedDialogs &ScriptedDialogs::answer(int button, const QString &expectedPrompt, const QString &expectedTitle)
{
    queue.append({ShownBox::Message, button, {}, {}, expectedPrompt, expectedTitle});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerInput(const QString &text)
{
    queue.append({ShownBox::Input, 0, text, {}, {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerOpen(const QStringList &paths)
{
    queue.append({ShownBox::OpenFile, 0, {}, paths, {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerSave(const QString &path)
{
    queue.append({ShownBox::SaveFile, 0, path, {}, {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerFolder(const QString &path)
{
    queue.append({ShownBox::BrowseFolder, 0, path, {}, {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::onNext(std::function<void()> action)
{
    nextAction = std::move(action);
    return *this;
}

bool ScriptedDialogs::take(ShownBox::Kind kind, const ShownBox &box, Answer &out)
{
    shown.append(box);
    if (nextAction) {
        auto action = std::move(nextAction);
        nextAction = nullptr;
        action();
    }
    static const char *names[] = {"message box", "input box", "open dialog", "save dialog", "folder browser"};
    if (queue.isEmpty()) {
        problems << QString("unexpected %1: \"%2\" (%3)").arg(names[kind], box.prompt, box.title);
        return false;
    }
    out = queue.takeFirst();
    if (out.kind != kind) {
        problems << QString("expected a %1 but a %2 was shown: \"%3\"").arg(names[out.kind], names[kind], box.prompt);
        return false;
    }
    if (!out.expectedPrompt.isNull() && out.expectedPrompt != box.prompt)
        problems << QString("prompt \"%1\", expected \"%2\"").arg(box.prompt, out.expectedPrompt);
    if (!out.expectedTitle.isNull() && out.expectedTitle != box.title)
        problems << QString("title \"%1\", expected \"%2\"").arg(box.title, out.expectedTitle);
    return true;
}

int ScriptedDialogs::msgBox(const QString &prompt, int style, const QString &title)
{
    Answer a;
    if (!take(ShownBox::Message, {ShownBox::Message, prompt, style, title, {}, {}}, a)) return MsgAnswer::Cancel;
    return a.button;
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &)
{
    Answer a;
    if (!take(ShownBox::Input, {ShownBox::Input, prompt, 0, title, {}, {}}, a)) return {};
    return a.text;
}

QStringList ScriptedDialogs::openFile(const FileDialogRequest &request)
{
    Answer a;
    if (!take(ShownBox::OpenFile, {ShownBox::OpenFile, {}, 0, request.title, request, {}}, a)) return {};
    return a.paths;
}

QString ScriptedDialogs::saveFile(const FileDialogRequest &request)
{
    Answer a;
    if (!take(ShownBox::SaveFile, {ShownBox::SaveFile, {}, 0, request.title, request, {}}, a)) return {};
    return a.text;
}

QString ScriptedDialogs::browseFolder(const FolderBrowseRequest &request)
{
    Answer a;
    ShownBox box{ShownBox::BrowseFolder, {}, 0, request.title, {}, request};
    if (!take(ShownBox::BrowseFolder, box, a)) return {};
    return a.text;
}

QString ScriptedDialogs::verify() const
{
    QStringList all = problems;
    if (!queue.isEmpty()) all << QString("%1 scripted answer(s) never used").arg(queue.size());
    return all.join("\n");
}

QStringList ScriptedDialogs::prompts() const
{
    QStringList out;
    for (const ShownBox &b : shown) out << b.prompt;
    return out;
}
