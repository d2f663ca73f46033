#include "ZanTof.h"

#include "MainScreen.h"
#include "model/Checks.h"
#include "model/ProjectCommands.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

ZanTof::ZanTof(QWidget *parent) : Form(parent, Kind::Frame)
{
    setObjectName("ZanTof");
    setWindowTitle("Zandrel Tofmaar");
    const QString icon = findFile("ICO/ZanTof.ico");
    if (!icon.isEmpty()) setWindowIcon(readIcon(icon));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    // The frame's client area, in the dark grey of a document frame; the main screen sits in its corner.
    workspace = new QWidget(this);
    workspace->setObjectName("Workspace");
    workspace->setAutoFillBackground(true);
    QPalette pal = workspace->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    workspace->setPalette(pal);
    layout->addWidget(workspace);

    auto item = [this](QMenu *menu, QAction *&action, const char *name, const QString &caption,
                       const QKeySequence &shortcut, void (ZanTof::*handler)()) {
        action = menu->addAction(caption);
        action->setObjectName(name);
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };
    Menu = menuBar->addMenu("&Menu");
    Menu->setObjectName("Menu");
    item(Menu, Nieuw, "Nieuw", "Nieuw...", QKeySequence("Ctrl+N"), &ZanTof::Nieuw_Click);
    item(Menu, Openen, "Openen", "Openen...", QKeySequence("Ctrl+O"), &ZanTof::Openen_Click);
    Sep1 = Menu->addSeparator();
    Sep1->setObjectName("Sep1");
    item(Menu, Save, "Save", "Opslaan", QKeySequence("Ctrl+S"), &ZanTof::Save_Click);
    item(Menu, SaveAs, "SaveAs", "Opslaan als...", QKeySequence(), &ZanTof::SaveAs_Click);
    Sep2 = Menu->addSeparator();
    Sep2->setObjectName("Sep2");
    item(Menu, Send, "Send", "Verzend tekeningen", QKeySequence(), &ZanTof::Send_Click);
    item(Menu, Afsluiten, "Afsluiten", "Afsluiten", QKeySequence(), &ZanTof::Afsluiten_Click);
    Info = menuBar->addMenu("&Info");
    Info->setObjectName("Info");
    item(Info, QVHelp, "QVHelp", "Help", QKeySequence(), &ZanTof::QVHelp_Click);
    item(Info, About, "About", "Over...", QKeySequence(), &ZanTof::About_Click);}

void ZanTof::setMainScreen(MainScreen *screen)
{
    main = screen;
    screen->setParent(workspace);
    // Not the frame's dark client area: the role is set on the screen itself, or it would inherit it.
    QPalette own = screen->palette();
    own.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    screen->setPalette(own);
    screen->move(0, 0);
    // Never smaller than the screen it holds: its shape and send buttons stay within reach.
    workspace->setMinimumSize(screen->size());
    resize(screen->width(), screen->height() + menuBar->sizeHint().height());
    connect(screen, &MainScreen::markCountChanged, this, &ZanTof::markCountChanged);
    connect(screen, &MainScreen::sendRequested, this, &ZanTof::Send_Click);
}

void ZanTof::markCountChanged(int marks)
{
    for (QAction *item : {Save, SaveAs, Send}) item->setEnabled(marks >= 1);
}

void ZanTof::Nieuw_Click()
{
    // Exactly as if the user pressed Enter in the focused control; nothing more.
    QWidget *target = QApplication::focusWidget();
    if (!target) return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void ZanTof::Openen_Click()
{
    if (main) main->OpenFile();
}

void ZanTof::saveFromMenu(bool saveAs)
{
    if (!main || !main->takeScreenEdits()) return;
    SaveProject(Project(), saveAs);
}

void ZanTof::Save_Click() { saveFromMenu(false); }

void ZanTof::SaveAs_Click() { saveFromMenu(true); }

void ZanTof::Afsluiten_Click()
{
    if (main) main->unload();
}

void ZanTof::QVHelp_Click()
{
    if (main) main->MenuHelp();
}

void ZanTof::About_Click() { windowOpener().open(WindowKind::About, this); }

void ZanTof::Send_Click()
{
    if (!main) return;
    if (MsgBox("Wilt u de tekening(en) nu verzenden naar de timmerfabiek ?", MsgStyle::YesNo + MsgStyle::Information,
               "Verzenden")
        != MsgAnswer::Yes)
        return;
    if (!main->takeScreenEdits()) return;
    const QString problem = checkSend(Project());
    if (!problem.isEmpty()) {
        MsgBox(problem, MsgStyle::Exclamation, ErrorTitle);
        return;
    }
    windowOpener().open(WindowKind::Send, this);
}

void ZanTof::Form_Unload(bool &cancel)
{
    // The main screen's shut-down ends the program; when the user cancels it, both stay open.
    if (main && main->isLoaded() && !main->unload()) cancel = true;
}
