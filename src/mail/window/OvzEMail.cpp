#include "OvzEMail.h"

#include "mail/QuotationMail.h"
#include "mail/QuotationSend.h"
#include "model/GridModel.h"
#include "model/ProjectState.h"
#include "platform/Screen.h"
#include "platform/widgets/GridView.h"

#include <QFrame>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr Qt::Alignment Text = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Number = Qt::AlignRight | Qt::AlignVCenter;
constexpr int VisibleRows = 12;
}

OvzEMail *OvzEMail::Show(QWidget *owner) { return openForm<OvzEMail>(owner); }

OvzEMail::OvzEMail(QWidget *owner) : Form(owner)
{
    setObjectName("OvzEMail");
    setWindowTitle("Overzicht verzonden tekeningen");
    auto *layout = new QVBoxLayout(this);
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *inFrame = new QVBoxLayout(Frame1);
    inFrame->setContentsMargins(2, 2, 2, 2);
    Grid1 = new GridView(Frame1);
    Grid1->setObjectName("Grid1");
    inFrame->addWidget(Grid1);
    layout->addWidget(Frame1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const char *captions[] = {"Log wissen", "Sluiten"};
    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setMinimumWidth(90);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        buttons->addWidget(Command1[i]);
    }
    layout->addLayout(buttons);
}

void OvzEMail::Form_Load()
{
    Project().MailLogOverviewOpen = true;
    SetupMailLogGrid();
    RegisterFormLevel();
    FillMailLogGrid();
    // Sized to the columns the log's texts needed.
    adjustSize();
    move(dialogPlace(screenSize(), frameGeometry().size()));
}

void OvzEMail::SetupMailLogGrid()
{
    grid = new GridModel({{"Aantal", "tekeningen", 70, Number},
                          {"Verstuurd naar", "", 175, Text},
                          {"Datum", "", 75, Number},
                          {"Tijd", "", 45, Number},
                          {"Status", "", 75, Text}},
                         this);
    Grid1->setModel(grid);
    // The columns are as narrow as the old grid's, made for its small font: a date must fit in 75.
    QFont small = Grid1->font();
    small.setPointSizeF(8);
    Grid1->setFont(small);
    Grid1->horizontalHeader()->setFont(small);
}

void OvzEMail::fitGrid()
{
    // A column is widened where a text of the log (a long factory address) or a heading would be cut
    // in the font at hand; the grid is as wide as its columns, within the screen.
    for (int c = 0; c < grid->columnCount(); ++c) grid->widenColumn(c, Grid1->neededWidth(c));
    int width = 2 * Grid1->frameWidth() + 2;
    for (const GridColumn &c : grid->columns()) width += c.width;
    int height = 2 * Grid1->frameWidth() + GridView::HeadingHeight + VisibleRows * GridView::RowHeight;
    const int room = screenSize().width() - 40;
    if (width > room) {
        width = room; // the rest is reached with the scroll bar under the rows
        height += Grid1->horizontalScrollBar()->sizeHint().height();
    }
    Grid1->setFixedSize(width, height);
}

void OvzEMail::FillMailLogGrid()
{
    // A log that is missing or cannot be read shows as an empty grid.
    grid->setRows(readMailLogRows());
    fitGrid();
    Grid1->goToRow(0);
}

void OvzEMail::Command1_Click(int index)
{
    if (index != 0) {
        unload();
        return;
    }
    if (QuotationSend::clearLog()) grid->clearRows();
}

void OvzEMail::Form_KeyDown(int keyCode)
{
    if (keyCode == KeyCode::Enter)
        unload();
    else
        Form::Form_KeyDown(keyCode);
}

void OvzEMail::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Form_KeyDown(KeyCode::Enter);
        return;
    }
    Form::keyPressEvent(event);
}

void OvzEMail::Form_Unload(bool &)
{
    Project().MailLogOverviewOpen = false;
    ReleaseFormLevel();
}
