#include "Form.h"
#include "platform/Clock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {
QList<Form *> loadedList;
QPointer<Form> lastActive;
// After the program itself unloads the active window, the window below it becomes the active one.
// The window system may first activate another window of ours (the frame): for a short while such
// activations are taken as part of that hand-over, not as the user's move.
QPointer<Form> handOver;
qint64 handOverSince = -1;
constexpr int HandOverMs = 300;
std::function<void(int)> endHandler;

// The window that takes over also comes on top: another window of ours that was clicked meanwhile
// (during a send the window manager raises it) would cover it.
void bringForward(QWidget *window)
{
    window->raise();
    window->activateWindow();
}
}

Form::Form(QWidget *parent, Kind kind) : QWidget(parent), kind_(kind)
{
    if (kind == Kind::Window && parent) setWindowFlag(Qt::Window);
}

Form::~Form()
{
    // Deleted without an unload: keep the list and the level count right all the same.
    if (loaded_) {
        if (registered_ && !released_) ReleaseFormLevel();
        forget();
    }
}

bool Form::load()
{
    if (loaded_) return true;
    loaded_ = true;
    loadedList.append(this);
    loading_ = true;
    Form_Load();
    loading_ = false;
    return loaded_;
}

bool Form::unload()
{
    if (!loaded_) return true;
    if (unloading_) return false;
    unloading_ = true;
    bool cancel = false;
    Form_Unload(cancel);
    unloading_ = false;
    if (!loaded_) return true; // its unload ended the program
    if (cancel) return false;
    if (registered_ && !released_) ReleaseFormLevel();
    const bool wasActive = lastActive == this;
    forget();
    unloading_ = true; // the close below is ours, not a new request
    close();
    deleteLater();
    if (wasActive) {
        lastActive = topmostVisible();
        handOver = lastActive;
        handOverSince = steadyClockMs();
        if (lastActive) bringForward(lastActive->window());
    }
    return true;
}

void Form::forget()
{
    loaded_ = false;
    loadedList.removeAll(this);
    if (lastActive == this) lastActive = nullptr;
}

Form *Form::topmostVisible()
{
    for (qsizetype i = loadedList.size() - 1; i >= 0; --i) {
        Form *f = loadedList[i];
        if (f->kind_ != Kind::Frame && f->isVisible()) return f;
    }
    return nullptr;
}

QList<Form *> Form::loadedForms() { return loadedList; }

QList<LevelWindow *> Form::loadedLevelWindows()
{
    QList<LevelWindow *> out;
    for (Form *f : loadedList) out.append(f);
    return out;
}

Form *Form::frameWindow()
{
    for (Form *f : loadedList)
        if (f->kind_ == Kind::Frame) return f;
    return nullptr;
}

Form *Form::activeForm() { return lastActive; }

void Form::activated(Form *form, bool fromWindowSystem)
{
    if (!form || !form->loaded_ || form->kind_ == Kind::Frame) return;
    if (form == lastActive) return; // a dialog closed over it, or the user came back from elsewhere
    if (fromWindowSystem && handOver && handOverSince >= 0 && steadyClockMs() - handOverSince < HandOverMs
        && form != handOver) {
        bringForward(handOver->window());
        return;
    }
    handOver = nullptr;
    lastActive = form;
    if (form->registered_) form->CloseFormsAbove();
    if (form->loaded_) form->Form_Activate();
}

void Form::RegisterFormLevel()
{
    if (registered_) return;
    registered_ = true;
    if (FormLevelStack *stack = formLevelStack()) {
        ::RegisterFormLevel(*stack, *this);
        tookLevel_ = true;
    }
}

void Form::ReleaseFormLevel()
{
    if (!registered_ || released_) return;
    released_ = true;
    // A window that took no level gives none back.
    if (FormLevelStack *stack = formLevelStack(); stack && tookLevel_) stack->releaseLevel();
}

void Form::CloseFormsAbove() { ::CloseFormsAbove(*this, &Form::loadedLevelWindows); }

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && loaded_) {
        if (loading_) {
            // Counted once the load is over, as the window system would have it.
            QTimer::singleShot(0, this, [this] {
                if (isActiveWindow()) activated(this, true);
            });
        } else {
            activated(this, true);
        }
    }
    return QWidget::event(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (unloading_ || !loaded_) {
        event->accept();
        return;
    }
    if (unload())
        event->accept();
    else
        event->ignore();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool help = event->key() == Qt::Key_F1 && helpTopic();
    const bool escape = event->key() == Qt::Key_Escape && unloadsOnEscape();
    if (!help && !escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Form_KeyDown(help ? KeyCode::F1 : KeyCode::Escape);
}

void Form::Form_KeyDown(int keyCode)
{
    if (keyCode == KeyCode::F1) {
        if (const auto topic = helpTopic()) windowOpener().showHelp(*topic, this);
    } else if (keyCode == KeyCode::Escape && unloadsOnEscape()) {
        unload();
    }
}

void Form::endProgram(int code)
{
    const QList<Form *> all = loadedList;
    for (qsizetype i = all.size() - 1; i >= 0; --i) {
        Form *f = all[i];
        if (f->registered_ && !f->released_) f->ReleaseFormLevel();
        f->forget();
        f->unloading_ = true;
        f->hide();
        f->deleteLater();
    }
    lastActive = nullptr;
    handOver = nullptr;
    if (endHandler)
        endHandler(code);
    else
        QCoreApplication::exit(code);
}

void Form::setProgramEndHandler(std::function<void(int)> handler) { endHandler = std::move(handler); }
