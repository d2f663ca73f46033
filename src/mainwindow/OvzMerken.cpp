#include "OvzMerken.h"

#include "ButtonPictures.h"
#include "forms/WindowWait.h"
#include "model/MarkOverview.h"
#include "model/ProjectState.h"
#include "platform/Dialogs.h"
#include "platform/RegularFile.h"
#include "platform/Screen.h"
#include "platform/TextFile.h"
#include "platform/widgets/GridView.h"
#include "platform/widgets/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {
// The inner area and the places of the frames, in twips.
constexpr int Width = 9015, Height = 6180;
constexpr int GridFrameTop = 60, GridFrameHeight = 5160;
constexpr int ButtonFrameTop = 5250, ButtonFrameHeight = 870;
constexpr int FrameLeft = 120, FrameWidth = Width - 2 * FrameLeft;
constexpr int ButtonSize = 630, ButtonTop = 150;
}

OvzMerken *OvzMerken::Show(QWidget *owner) { return openForm<OvzMerken>(owner); }

OvzMerken::OvzMerken(QWidget *owner) : Form(owner)
{
    setObjectName("OvzMerken");
    setWindowTitle("Overzicht van alle merken");
    setFixedSize(px(Width), px(Height));
    installEventFilter(this);

    Frame1[0] = new QGroupBox(this);
    placeTwips(Frame1[0], FrameLeft, GridFrameTop, FrameWidth, GridFrameHeight);
    Frame1[1] = new QGroupBox(this);
    placeTwips(Frame1[1], FrameLeft, ButtonFrameTop, FrameWidth, ButtonFrameHeight);

    Grid1 = new GridView(Frame1[0]);
    Grid1->setObjectName("Grid1");
    Grid1->setGeometry(6, 6, Frame1[0]->width() - 12, Frame1[0]->height() - 12);
    Grid1->installEventFilter(this);
    connect(Grid1, &GridView::rowClicked, this, &OvzMerken::Grid1_RowClick);

    const QPixmap pictures[3] = {sendPicture(), mailLogPicture(), closePicture()};
    const QString tips[3] = {"Verzend deze tekeningen naar de timmerfabriek", "Overzicht van alle verzonden tekeningen",
                             QString()};
    const int lefts[3] = {150, 150 + ButtonSize + 90, FrameWidth - 150 - ButtonSize};
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(Frame1[1]);
        b->setObjectName(QString("Command1_%1").arg(i));
        placeTwips(b, lefts[i], ButtonTop, ButtonSize, ButtonSize);
        b->setIcon(pictures[i]);
        b->setIconSize(pictures[i].size());
        b->setToolTip(tips[i]);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1[i] = b;
    }
}

void OvzMerken::Form_Load()
{
    ProjectState &s = Project();
    s.MarkOverviewOpen = true;
    move(dialogPlace(screenSize(), size()));
    RegisterFormLevel();
    SetupMarkGrid();
    FillMarkGrid();
}

void OvzMerken::SetupMarkGrid()
{
    gridModel = new GridModel(markGridColumns(), this);
    Grid1->setModel(gridModel);
}

void OvzMerken::FillMarkGrid()
{
    const ProjectState &s = Project();
    gridModel->setRows(markGridRows(s));
    Grid1->goToRow(markGridSelectedRow(s));
}

void OvzMerken::Form_Unload(bool &)
{
    Project().MarkOverviewOpen = false;
    ReleaseFormLevel();
}

void OvzMerken::Grid1_RowClick(int row)
{
    if (row < 0 || row >= gridModel->rowCount()) return;
    ProjectState &s = Project();
    s.CurrentMarkIndex = int16(row);
    s.MarkOverviewOpen = false; // the main screen, waiting on this, closes the overview
}

void OvzMerken::Form_KeyDown(int keyCode)
{
    if (keyCode == KeyCode::Enter) {
        const int row = Grid1->currentRow();
        if (row < 0) return;
        Project().CurrentMarkIndex = int16(row);
        unload();
        return;
    }
    Form::Form_KeyDown(keyCode);
}

// Enter and Esc act for the whole window, also while the grid or a button has the focus.
bool OvzMerken::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            Form_KeyDown(key == Qt::Key_Escape ? KeyCode::Escape : KeyCode::Enter);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void OvzMerken::Command1_Click(int index)
{
    switch (index) {
    case 0: windowOpener().open(WindowKind::Send, this); break;
    case 1: {
        // A log that is no regular file, or too large to read, is no log to show.
        if (!regularFileReadable(findFile("EMail.log"))) {
            MsgBox("Geen gegevens gevonden !", MsgStyle::Exclamation, ErrorTitle);
            return;
        }
        const QPointer<Form> log = windowOpener().open(WindowKind::MailLogOverview, this);
        waitWhileOpen(Project().MailLogOverviewOpen, log);
        if (log) log->unload();
        break;
    }
    case 2: unload(); break;
    default: break;
    }
}
