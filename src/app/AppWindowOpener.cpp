#include "AppWindowOpener.h"

#include "drawing/options/SubVakken.h"
#include "drawing/window/TekenForm.h"
#include "mainwindow/Help.h"
#include "mainwindow/OvzMerken.h"
#include "mainwindow/frmAbout.h"
#include "shape/ShapeWidthInputs.h"

Form *AppWindowOpener::open(WindowKind kind, Form *from)
{
    switch (kind) {
    case WindowKind::Drawing:
        // Over the window that asks (the shape window), owned by its owner, reading its width inputs.
        return TekenForm::Show(dynamic_cast<const ShapeWidthInputs *>(from), from, from ? from->parentWidget() : nullptr);
    case WindowKind::Options:
        // Beside the drawing window that asks, on the compartment it shows.
        return SubVakken::Show(dynamic_cast<VakSelection *>(from), Form::frameWindow());
    case WindowKind::MarksOverview: return OvzMerken::Show(Form::frameWindow());
    case WindowKind::About: {
        // One About box: asked again, the loaded one comes forward.
        frmAbout *about = frmAbout::window();
        if (!about) return nullptr;
        about->show();
        about->activateWindow();
        return about;
    }
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
