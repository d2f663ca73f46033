#include "SendingGuard.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

SendingGuard::SendingGuard(QWidget *sendWindow) : sendWindow_(sendWindow)
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

SendingGuard::~SendingGuard()
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    for (const QPointer<QWidget> &w : closeLater_)
        QTimer::singleShot(0, w, [w] {
            if (w) w->close();
        });
}

bool SendingGuard::mayTakeInput(const QWidget *window) const
{
    if (window == sendWindow_) return true;
    return window == QApplication::activeModalWidget() || window == QApplication::activePopupWidget();
}

void SendingGuard::bringForward()
{
    // The window manager raises and focuses the window clicked, which would hide the send window
    // behind a window that takes no input: the program would look hung. What may take input comes
    // back on top, once the click is done.
    if (forwardPending_) return;
    forwardPending_ = true;
    QTimer::singleShot(0, this, [this] {
        forwardPending_ = false;
        QWidget *target = QApplication::activeModalWidget();
        if (!target) target = sendWindow_;
        if (!target || !target->isVisible()) return;
        target->raise();
        target->activateWindow();
    });
}

bool SendingGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType()) return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Close:
        if (!widget->isWindow() || mayTakeInput(widget)) return false;
        if (!closeLater_.contains(widget)) closeLater_ << widget;
        event->ignore();
        return true;
    case QEvent::WindowActivate:
        if (mayTakeInput(widget->window())) return false;
        bringForward();
        return true;
    case QEvent::ShortcutOverride:
        if (mayTakeInput(widget->window())) return false;
        event->accept(); // taken: no menu shortcut fires either
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mayTakeInput(widget->window())) return false;
        bringForward();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return !mayTakeInput(widget->window());
    default: return false;
    }
}
