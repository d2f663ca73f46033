#pragma once
// The program as main() starts it, in a scratch program folder, with scripted dialogs and an end
// of the program that is recorded instead of carried out.
#include "TestSupport.h"
#include "app/ProjectFormLevels.h"
#include "mainwindow/HoofdScherm.h"
#include "mainwindow/ZanTof.h"
#include "model/ProjectState.h"
#include "platform/Clock.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

struct Program {
    Program() { Form::setProgramEndHandler([this](int code) { ended = code; }); }
    ~Program()
    {
        if (frame) delete frame.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form::setProgramEndHandler(nullptr);
        setFixedNow(QDateTime());
    }

    // Loads the frame and the main screen; false when the main screen's load ended the program.
    bool start()
    {
        frame = new ZanTof;
        frame->load();
        screen = new HoofdScherm(frame);
        frame->setMainScreen(screen);
        if (!screen->load()) return false;
        frame->show();
        QApplication::setActiveWindow(frame);
        return true;
    }

    HoofdScherm &s() { return *screen; }
    // The program starts with the focus in the empty mark field: leaving it offers mark "A".
    void declineFirstMark()
    {
        dialogs.answer(MsgAnswer::No, "Merk \"A\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?");
    }
    ProjectState &state() { return project.state(); }

    // Types a label into the mark field and leaves it, as the user does with Tab.
    void enterMark(const QString &label)
    {
        s().Text1[0]->setFocus(Qt::MouseFocusReason);
        s().Text1[0]->setText(label);
        s().Text1[1]->setFocus(Qt::TabFocusReason);
    }
    // Makes a new mark through the mark field, answering Yes, and gives it a width and height.
    void newMark(const QString &label, int width = 1200, int height = 1500)
    {
        dialogs.answer(MsgAnswer::Yes, "Merk \"" + label + "\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?",
                       "Nieuwe kozijn tekening");
        enterMark(label);
        s().Num1[0]->setValue(width);
        s().Num1[1]->setValue(height);
        s().SaveRec();
    }
    QStringList marks()
    {
        QStringList out;
        for (int i = 0; i < project.state().MarkCount; ++i) out << project.state().FrameRecords[i].Mark;
        return out;
    }
    // Saves through the menu, acknowledging "De tekeningen zijn opgeslagen !"; the file saved to.
    QString saveThroughMenu()
    {
        dialogs.answer(MsgAnswer::OK);
        frame->Save->trigger();
        return state().ProjectFileName;
    }
    void openThroughMenu(const QString &file)
    {
        dialogs.answerOpen({file});
        frame->Openen->trigger();
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ScopedProject project;
    ProjectFormLevels levels;
    ScriptedDialogs dialogs;
    QPointer<ZanTof> frame;
    QPointer<HoofdScherm> screen;
    int ended = -1;
};
