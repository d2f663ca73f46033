#pragma once
// For the tests that go from the shape window into the drawing window: a fresh project, a scratch
// program folder and scripted dialogs per test, and every window left over closed afterwards.
#include "TestSupport.h"
#include "app/AppWindowOpener.h"
#include "app/ProjectFormLevels.h"
#include "drawing/window/TekenForm.h"
#include "model/ProjectState.h"
#include "shape/window/SubVorm.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

inline void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline TekenForm *drawingWindow()
{
    for (Form *f : Form::loadedForms())
        if (auto *t = qobject_cast<TekenForm *>(f)) return t;
    return nullptr;
}

struct WindowFixture {
    void init()
    {
        project = std::make_unique<ScopedProject>();
        folder = std::make_unique<TestFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        installed = std::make_unique<ScopedWindowOpener>(&windows);
    }
    void cleanup()
    {
        QList<QPointer<Form>> left;
        for (Form *f : Form::loadedForms()) left << f;
        for (const QPointer<Form> &f : left)
            if (f) delete f.data();
        settle();
        installed.reset();
        dialogs.reset();
        folder.reset();
        project.reset();
    }

    AppWindowOpener windows;
    std::unique_ptr<ScopedWindowOpener> installed;
    ProjectFormLevels levels;
    std::unique_ptr<ScopedProject> project;
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<ScriptedDialogs> dialogs;
};
