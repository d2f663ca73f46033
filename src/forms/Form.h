#pragma once
// The base of every window of the program. It gives each window the load, activation and unload
// hooks, keeps the loaded windows in load order, and takes part in the form-level stack.
//
// Load is construction followed by load(); unload() runs Form_Unload and then closes and deletes
// the window. Windows are modeless: a window of its own is made with the frame as its owner,
//   openForm<SubVorm>(shapeButton, Form::frameWindow());
// and a window that takes part in the form-level stack calls RegisterFormLevel() in its Form_Load.
//
// Activation: Qt re-activates a window when a message box or file dialog over it closes, or when the
// user comes back from another program; none of that counts. Form_Activate (and, for a registered
// window, the close-above step) runs only when activation moves to a different window of ours.
//
// Keys: F1 shows the window's help topic and Esc unloads the window, where the window says so
// (helpTopic(), unloadsOnEscape()); every other key goes on to the window's parent.
#include "FormLevelStack.h"
#include "KeyCodes.h"
#include "WindowOpener.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

class Form : public QWidget, public LevelWindow {
    Q_OBJECT
public:
    enum class Kind {
        Window, // a window of its own; with a parent it is owned by it and stays above it
        Hosted, // shown inside its parent's window (the main screen inside the frame window)
        Frame,  // the frame window: no level, and its own activation counts for nothing
    };
    explicit Form(QWidget *parent = nullptr, Kind kind = Kind::Window);
    ~Form() override;

    // Runs Form_Load. False when the window did not stay loaded (its load unloaded it or ended the program).
    bool load();
    // Runs Form_Unload; unless that cancels, releases the level, closes and deletes the window
    // (deleteLater). True when the window is unloaded afterwards.
    bool unload();
    bool isLoaded() const { return loaded_; }
    Kind kind() const { return kind_; }

    QString levelTag() const override { return tag_; }
    void setLevelTag(const QString &tag) override { tag_ = tag; }
    void unloadWindow() override { unload(); }

    static QList<Form *> loadedForms();        // load order
    static QList<LevelWindow *> loadedLevelWindows();
    static Form *frameWindow();                 // the loaded frame window, or nullptr
    static Form *activeForm();                  // the last window of ours whose activation counted

    // Activation of one of our windows; public so that tests can drive it. fromWindowSystem: the
    // window system's own activation, which may come while a window below an unloaded one takes over.
    static void activated(Form *form, bool fromWindowSystem = false);

    // Ends the program at once: every window is closed without its own unload work, then the
    // end handler runs (QCoreApplication::exit by default; a test records the code).
    static void endProgram(int code = 0);
    static void setProgramEndHandler(std::function<void(int)> handler);

    // The key-down of the window, with KeyCode values: F1 and Esc as described above.
    virtual void Form_KeyDown(int keyCode);

protected:
    // The help topic F1 shows; none: F1 does nothing here.
    virtual std::optional<HelpTopic> helpTopic() const { return std::nullopt; }
    virtual bool unloadsOnEscape() const { return false; }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload(bool &cancel) { Q_UNUSED(cancel); }

    // Each exactly once per window; ReleaseFormLevel also runs after Form_Unload when the window did not call it.
    // They take and give back a level of the installed stack; with none installed the window has no level.
    void RegisterFormLevel();
    void ReleaseFormLevel();
    void CloseFormsAbove();

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void forget();
    static Form *topmostVisible();

    Kind kind_;
    QString tag_;
    bool loaded_ = false;
    bool loading_ = false;
    bool unloading_ = false;
    bool registered_ = false;
    bool released_ = false;
    bool tookLevel_ = false;
};

// Makes a T of `args`, loads and shows it. nullptr when it did not stay loaded: its load unloaded
// it or ended the program, and a box in the load may have let it be deleted already.
template <class T, class... Args>
T *openForm(Args &&...args)
{
    QPointer<T> form = new T(std::forward<Args>(args)...);
    if (!form->load() || !form) return nullptr;
    form->show();
    return form;
}
