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
        return !mayTakeInput(widget->window());
    case QEvent::ShortcutOverride:
        if (mayTakeInput(widget->window())) return false;
        event->accept(); // taken: no menu shortcut fires either
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
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
