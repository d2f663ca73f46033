#include "Dialogs.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace {
// Without a widget service (a console program, a test that installed nothing) every box is
// answered with its first button and no file is chosen.
class NullDialogs final : public DialogService {
public:
    int msgBox(const QString &, int style, const QString &) override
    {
        switch (style & 7) {
        case MsgStyle::AbortRetryIgnore: return MsgAnswer::Abort;
        case MsgStyle::YesNoCancel:
        case MsgStyle::YesNo: return MsgAnswer::Yes;
        case MsgStyle::RetryCancel: return MsgAnswer::Retry;
        default: return MsgAnswer::OK;
        }
    }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    QStringList openFile(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
};

NullDialogs nullDialogs;
DialogService *current = nullptr;

// A box that opens while a mouse button is held mostly opens from within that press: the focus left
// a field whose check or lookup asks something before the press reached the control under the
// pointer. The box takes the press's release, and the press, delivered after the box, would leave
// that control drawn pressed for good, waiting for a release that already came. Such a press goes
// nowhere; it is over by the time the events run again.
class InterruptedPress final : public QObject {
public:
    // Around one box.
    class Box {
    public:
        Box() : held(QGuiApplication::mouseButtons() != Qt::NoButton) {}
        ~Box()
        {
            if (held) dropStalePress();
        }
        Box(const Box &) = delete;
        Box &operator=(const Box &) = delete;

    private:
        bool held;
    };

private:
    static void dropStalePress()
    {
        static QPointer<InterruptedPress> filter;
        if (filter || !qobject_cast<QGuiApplication *>(QCoreApplication::instance())) return;
        filter = new InterruptedPress;
        QCoreApplication::instance()->installEventFilter(filter);
        filter->deleteLater(); // after the press in flight, at the next turn of the event loop
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
        if (!event->spontaneous()) return false;
        const auto *press = static_cast<const QMouseEvent *>(event);
        return !(QGuiApplication::mouseButtons() & press->button());
    }
};
}

DialogService *setDialogService(DialogService *service)
{
    DialogService *previous = current;
    current = service;
    return previous;
}

DialogService &dialogs() { return current ? *current : nullDialogs; }

int MsgBox(const QString &prompt, int style, const QString &title)
{
    const InterruptedPress::Box box;
    return dialogs().msgBox(prompt, style, title);
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    const InterruptedPress::Box box;
    return dialogs().inputBox(prompt, title, defaultText);
}

QString qtNameFilters(const QStringList &pairs)
{
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        QStringList patterns;
        for (const QString &p : pairs[i + 1].split(';', Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            patterns << pattern;
            // Files written on Windows carry either case; Linux matches case-sensitively.
            if (pattern != "*.*") {
                if (pattern.toLower() != pattern && !patterns.contains(pattern.toLower())) patterns << pattern.toLower();
                if (pattern.toUpper() != pattern && !patterns.contains(pattern.toUpper())) patterns << pattern.toUpper();
            }
        }
        if (patterns.contains("*.*")) patterns = {"*"};
        QString description = pairs[i];
        description.remove(QRegularExpression("\\s*\\([^)]*\\)\\s*$"));
        filters << description + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || suffix.isEmpty()) return path;
    const QFileInfo info(path);
    if (!info.suffix().isEmpty()) return path;
    return path.endsWith(u'.') ? path + suffix : path + u'.' + suffix;
}
