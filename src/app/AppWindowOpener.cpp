#include "AppWindowOpener.h"

#include "drawing/options/SubVakken.h"
#include "drawing/window/TekenForm.h"
#include "mail/window/EMail.h"
#include "mail/window/OvzEMail.h"
#include "mainwindow/Help.h"
#include "mainwindow/HoofdScherm.h"
#include "mainwindow/OvzMerken.h"
#include "mainwindow/ZanTof.h"
#include "mainwindow/frmAbout.h"
#include "platform/widgets/ChoiceList.h"
#include "shape/ShapeWidthInputs.h"

#include <QPointer>

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
    case WindowKind::Send: {
        // The send window reads the main screen's personal fields and mail method when it sends.
        auto *frame = qobject_cast<ZanTof *>(Form::frameWindow());
        QPointer<HoofdScherm> main = frame ? frame->mainScreen() : nullptr;
        if (!main) return nullptr;
        EMail::Source source{[main] { return main ? PersonalData::from(*main) : PersonalData(); },
                             [main] { return main ? main->Combo1[1]->listIndex() : 0; }};
        return EMail::Show(std::move(source), frame);
    }
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
