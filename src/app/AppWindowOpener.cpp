#include "AppWindowOpener.h"

#include "drawing/options/SubVakken.h"
#include "drawing/window/TekenForm.h"
#include "mainwindow/OvzMerken.h"
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
    default:
        return nullptr; // a window not built yet
    }
}

void AppWindowOpener::showHelp(HelpTopic, Form *) {}
