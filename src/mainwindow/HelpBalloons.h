#pragma once
// The help-pointer mode of the main screen: while it is on, the first click on a button or field
// shows a short balloon about it instead of acting.
#include <QPushButton>
#include <QString>
#include <optional>

struct HelpBalloonText {
    QString title;
    QString text;
};

// The balloon of a main-screen control, by control array and index ("Text1", 3); none for a control
// without one (the timber list, the mail-method list, the resistance-class box, the help button).
std::optional<HelpBalloonText> helpBalloonFor(const QString &array, int index);

// One balloon at the mouse, closing itself after 20 seconds.
void ShowHelpBalloon(const QString &title, const QString &text);

// A click on a control in help-pointer mode: the mode ends and the control's balloon shows. False when
// the mode is off or the control has no balloon: the control then acts as usual.
bool helpClick(const QString &array, int index);

// The mode is the program-wide mouse pointer: the what's-this pointer while on.
namespace HelpPointer {
bool isOn();
void toggle();
void off();
}

// The help button: a light rectangle over its face hides the focus frame, so it never looks pressed in.
class HelpButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
