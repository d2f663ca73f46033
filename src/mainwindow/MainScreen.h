#pragma once
// The main screen as the frame window knows it: the screen its menu commands act on, and what the
// screen tells the frame. The frame holds it without the window behind it.
#include "forms/Form.h"

class MainScreen : public Form {
    Q_OBJECT
public:
    explicit MainScreen(QWidget *frame) : Form(frame, Kind::Hosted) {}

    // "Openen...": the project file chosen in the open dialog.
    virtual void OpenFile() = 0;
    // What the user typed on the screen goes into the project: the mark on screen and the
    // personal data. Before anything saves, sends or leaves the mark. A label typed into the mark
    // field is looked up first, as leaving the field does; false when the user refused it there:
    // the command stops.
    virtual bool takeScreenEdits() = 0;
    virtual void MenuHelp() = 0;

signals:
    // The number of marks may have changed (the frame enables its save and send items on it).
    void markCountChanged(int marks);
    // The send button: the frame's send command.
    void sendRequested();
};
