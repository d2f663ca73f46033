#include "AppWindowOpener.h"

#include "drawing/options/SubVakken.h"
#include "drawing/window/TekenForm.h"
#include "mail/window/EMail.h"
#include "mail/window/OvzEMail.h"
#include "mainwindow/Help.h"
#include "mainwindow/OvzMerken.h"
#include "mainwindow/frmAbout.h"
#include "shape/window/SubVorm.h"

Form *AppWindowOpener::open(WindowKind kind, Form *from, const WindowNeeds &needs)
{
    switch (kind) {
    case WindowKind::Shape:
        // On the variants of the row of the main screen's focused shape button.
        return openForm<SubVorm>(needs.shapeButton, Form::frameWindow());
    case WindowKind::Drawing:
        // Over the window that asks (the shape window), owned by its owner, reading its width inputs.
        return TekenForm::Show(needs.widthInputs, from, from ? from->parentWidget() : nullptr);
    case WindowKind::Options:
        // Beside the drawing window that asks, on the compartment it shows.
        return SubVakken::Show(needs.selection, Form::frameWindow());
    case WindowKind::MarksOverview: return OvzMerken::Show(Form::frameWindow());
    case WindowKind::About: {
        // One About box: asked again, the loaded one comes forward.
        frmAbout *about = frmAbout::window();
        if (!about) return nullptr;
        about->show();
        about->activateWindow();
        return about;
    }
    case WindowKind::Send: return EMail::Show(Form::frameWindow());
    case WindowKind::MailLogOverview: return OvzEMail::Show(Form::frameWindow());
    default:
        return nullptr; // a window not built yet
    }
}

void AppWindowOpener::showHelp(HelpTopic topic, Form *)
{
    // The topic call fills and places the window; showing it is the caller's part.
    Help *help = Help::window();
    switch (topic) {
    case HelpTopic::Main: help->Mainhelp(); break;
    case HelpTopic::Shape: help->SubVormHelp(); break;
    case HelpTopic::Drawing: help->TekenFormHelp(); break;
    case HelpTopic::Options: help->SubVakkenHelp(); break;
    }
    help->show();
    help->activateWindow();
}
