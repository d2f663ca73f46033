#include "TekenForm.h"

#include "FillCodePictures.h"
#include "drawing/CompartmentFilling.h"
#include "model/Catalogue.h"
#include "model/Checks.h"
#include "model/Vocabularies.h"
#include "platform/Dialogs.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"
#include "platform/widgets/Twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QAbstractItemView>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {
// Layout, in twips.
constexpr int WindowTop = 1000;
constexpr int Margin = 120;
constexpr int Border = 15; // the line around the picture
constexpr int ColumnWidth = 4350;
constexpr int LabelWidth = 1260;
constexpr int RowHeight = 360;
constexpr int RowStep = 450;
constexpr int NumberWidth = 720, SpinWidth = 270;
constexpr int Gap = 60;
constexpr int TypeButtonWidth = (ColumnWidth - 90) / 2;
constexpr int TypeButtonHeight = 420;
constexpr int CodeButton = 660;
constexpr int CodesPerRow = 5;
constexpr int CodeBoxCaption = 300, CodesTop = 390;

QLabel *label(const QString &text, QWidget *parent, int left, int top, int width, int height)
{
    auto *l = new QLabel(text, parent);
    placeTwips(l, left, top, width, height);
    return l;
}
}

TekenForm::TekenForm(const ShapeWidthInputs *inputs, Form *beneath, QWidget *parent)
    : Form(parent), canvas_(CanvasWidth, CanvasHeight), tools_(canvas_), inputs_(inputs), beneath_(beneath)
{
    setObjectName(QStringLiteral("TekenForm"));
    buildControls();
}

TekenForm::~TekenForm() { canvas_.setChanged({}); }

TekenForm *TekenForm::Show(const ShapeWidthInputs *inputs, Form *beneath, QWidget *parent)
{
    return openForm<TekenForm>(inputs, beneath, parent);
}

void TekenForm::buildControls()
{
    auto *border = new QFrame(this);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setLineWidth(1);
    Pic1 = new PictureBox(canvas_, border);
    Pic1->move(px(Border), px(Border));
    const int borderWidth = CanvasWidth + 2 * Border, borderHeight = CanvasHeight + 2 * Border;
    placeTwips(border, Margin, Margin, borderWidth, borderHeight);
    Shape1 = new CompartmentMarker(Pic1);
    connect(Pic1, &PictureBox::MouseDown, this, &TekenForm::Pic1_MouseDown);

    const int belowPicture = Margin + borderHeight + Margin;
    label(QStringLiteral("Opmerking:"), this, Margin, belowPicture, LabelWidth, RowHeight);
    Text1 = new TextField(this);
    placeTwips(Text1, Margin + LabelWidth, belowPicture, borderWidth - LabelWidth, RowHeight);

    const int x0 = Margin + borderWidth + 2 * Margin;
    const QStringList listLabels = {QStringLiteral("Kleur:"), QStringLiteral("Spouwlatten:"),
                                    QStringLiteral("Onderdorpel:")};
    for (int k = 0; k < 3; ++k) {
        const int y = Margin + k * RowStep;
        label(listLabels[k], this, x0, y, LabelWidth, RowHeight);
        Combo1[k] = new ChoiceList(this);
        placeTwips(Combo1[k], x0 + LabelWidth, y, ColumnWidth - LabelWidth, RowHeight);
        connect(Combo1[k], &ChoiceList::Click, this, [this, k] { Combo1_Click(k); });
    }

    const int numberRow = Margin + 3 * RowStep;
    label(QStringLiteral("Vaknummer:"), this, x0, numberRow, LabelWidth, RowHeight);
    Num1 = new NumericField(this);
    placeTwips(Num1, x0 + LabelWidth, numberRow, NumberWidth, RowHeight);
    connect(Num1, &NumericField::Change, this, &TekenForm::Num1_Change);
    // A number beyond the last compartment must not select another compartment than the marked one.
    Num1->setOutOfRange(NumericField::OutOfRange::PutBack);
    const int spinX = x0 + LabelWidth + NumberWidth;
    auto *up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    placeTwips(up, spinX, numberRow, SpinWidth, RowHeight / 2);
    auto *down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    placeTwips(down, spinX, numberRow + RowHeight / 2, SpinWidth, RowHeight / 2);
    connect(up, &QToolButton::clicked, this, [this] { spin(1); });
    connect(down, &QToolButton::clicked, this, [this] { spin(-1); });

    const QStringList captions = {QStringLiteral("Deur"),   QStringLiteral("Raam"),   QStringLiteral("Glasvak"),
                                  QStringLiteral("Paneel"), QStringLiteral("Wissen"), QStringLiteral("Terug")};
    const int typesTop = numberRow + RowStep + Margin;
    for (int k = 0; k < 6; ++k) {
        Command1[k] = new QPushButton(captions[k], this);
        placeTwips(Command1[k], x0 + (k % 2) * (ColumnWidth - TypeButtonWidth), typesTop + (k / 2) * (TypeButtonHeight + Gap),
                   TypeButtonWidth, TypeButtonHeight);
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    }
    Command1[EraseButton]->setIcon(QIcon(FillCodePictures::erase()));
    Command1[EraseButton]->setIconSize(QSize(20, 20));

    Command2.resize(FillCodes::buttonCount());
    PicDeur = buildCodeBox(QStringLiteral("Kies een deurtype:"), FillTypes::Door);
    PicRaam = buildCodeBox(QStringLiteral("Kies een raamtype:"), FillTypes::Window);
    PicPaneel = buildCodeBox(QStringLiteral("Kies een paneeltype:"), FillTypes::Panel);
    const int boxTop = typesTop + 3 * (TypeButtonHeight + Gap) + Margin;
    for (QFrame *box : {PicDeur, PicRaam, PicPaneel}) box->move(px(x0), px(boxTop));

    Command3 = new QPushButton(QStringLiteral("O.K."), this);
    placeTwips(Command3, x0 + ColumnWidth - TypeButtonWidth, belowPicture, TypeButtonWidth, TypeButtonHeight);
    connect(Command3, &QPushButton::clicked, this, &TekenForm::Command3_Click);

    setFixedSize(px(x0 + ColumnWidth + Margin), px(belowPicture + TypeButtonHeight + Margin));
}

QFrame *TekenForm::buildCodeBox(const QString &caption, const QString &fillType)
{
    const FillCodes::ButtonRange range = FillCodes::buttonRange(fillType);
    const int first = range.first, last = range.back;
    auto *box = new QFrame(this);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    box->setAutoFillBackground(true); // the boxes lie on top of each other: the one on top hides the others
    label(caption, box, Margin, Gap, ColumnWidth - 2 * Margin, CodeBoxCaption);
    for (int k = first; k <= last; ++k) {
        const int n = k - first;
        auto *b = new QToolButton(box);
        b->setIcon(QIcon(FillCodePictures::forButton(k)));
        b->setIconSize(QSize(FillCodePictures::Size, FillCodePictures::Size));
        const FillCodeInfo *info = FillCodes::forButton(k);
        b->setToolTip(info ? info->tooltip : QStringLiteral("Terug"));
        placeTwips(b, Margin + (n % CodesPerRow) * CodeButton, CodesTop + (n / CodesPerRow) * CodeButton,
                   CodeButton - 2 * Border, CodeButton - 2 * Border);
        connect(b, &QToolButton::clicked, this, [this, k] { Command2_Click(k); });
        Command2[k] = b;
    }
    const int rows = (last - first) / CodesPerRow + 1;
    box->resize(px(ColumnWidth), px(CodesTop + rows * CodeButton + Gap));
    box->hide();
    return box;
}

void TekenForm::showCodeBox(QFrame *box)
{
    box->show();
    box->raise();
}

void TekenForm::spin(int step)
{
    const int v = Num1->isEmpty() ? Num1->minimum() : Num1->value() + step;
    Num1->setValue(qBound(Num1->minimum(), v, Num1->maximum()));
}

int TekenForm::selectedCompartment() const
{
    const FrameRecord *mark = Project().currentMark();
    if (!mark || Num1->isEmpty()) return -1;
    const int v = Num1->value();
    if (v < 1 || v > mark->Compartments.size()) return -1;
    return v - 1;
}

// Opening.

void TekenForm::Form_Load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2, (WindowTop + TwipsPerPixel / 2) / TwipsPerPixel);
    FormLoading = true;

    FrameRecord *mark = Project().currentMark();
    const QString colour = mark ? mark->Colour : QString();
    const QString batten = mark ? mark->CavityBatten : QString();
    const QString sill = mark ? mark->Sill : QString();

    LoadColours();
    LoadBattens();
    LoadSills();

    const int count = mark ? int(mark->Compartments.size()) : 0;
    Num1->setRange(1, count);

    canvas_.cls();
    const FrameDrawn drawn = DrawFrame(tools_, Project(), frame_, inputs_);
    inputs_ = nullptr; // read only while the frame is drawn
    setWindowTitle(frame_.Caption);
    if (drawn == FrameDrawn::TooLarge) MsgBox(frameTooLargeMessage(), MsgStyle::Exclamation, ErrorTitle);

    if (!Project().NewShapePending && mark) {
        restoreChoice(ColourList, colour, &FrameRecord::Colour);
        restoreChoice(BattenList, batten, &FrameRecord::CavityBatten);
        restoreChoice(SillList, sill, &FrameRecord::Sill);
        if (sill.isEmpty()) Combo1[SillList]->setListIndex(-1);
        Text1->setText(mark->Remark);
        for (int n = Num1->minimum(); n <= Num1->maximum(); ++n) {
            Num1->setValue(n);
            ReDrawVak();
        }
    }
    Num1->setValue(1);
    RegisterFormLevel();
    FormLoading = false;
}

namespace {
void fill(ChoiceList *list, const QStringList &entries)
{
    list->clearEntries();
    for (const QString &e : entries) list->addEntry(e);
    if (list->entryCount() > 0) list->setListIndex(0);
    // Long catalogue names are read in full in the opened list.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + px(2 * Margin));
}
}

void TekenForm::LoadColours()
{
    fill(Combo1[ColourList], Catalogue::colourEntries());
    if (FrameRecord *mark = Project().currentMark()) mark->Colour = Combo1[ColourList]->text();
}

void TekenForm::LoadBattens()
{
    fill(Combo1[BattenList], Catalogue::battenEntries());
    if (FrameRecord *mark = Project().currentMark()) mark->CavityBatten = Combo1[BattenList]->text();
}

void TekenForm::LoadSills()
{
    fill(Combo1[SillList], Catalogue::sillEntries());
    if (FrameRecord *mark = Project().currentMark()) mark->Sill = Combo1[SillList]->text();
}

void TekenForm::restoreChoice(int list, const QString &remembered, QString FrameRecord::*field)
{
    if (remembered.isEmpty()) return;
    ChoiceList *c = Combo1[list];
    // A choice the catalogue no longer lists stays the mark's: it is listed for this window only.
    bool listed = false;
    for (int k = 0; k < c->entryCount() && !listed; ++k) listed = c->entry(k) == remembered;
    if (!listed) c->addEntry(remembered);
    c->setText(remembered);
    Project().currentMark()->*field = remembered;
}

// Choice lists.

void TekenForm::Combo1_Click(int index)
{
    if (FormLoading) return;
    FrameRecord *mark = Project().currentMark();
    if (!mark) return;
    switch (index) {
    case ColourList: mark->Colour = Combo1[ColourList]->text(); break;
    case BattenList: mark->CavityBatten = Combo1[BattenList]->text(); break;
    case SillList:
        mark->Sill = Combo1[SillList]->text();
        drawSill(tools_, frame_.Sill, mark->Sill);
        break;
    default: break;
    }
}

// Fill types and fill codes.

void TekenForm::openOptionsWindow()
{
    WindowNeeds needs;
    needs.selection = this;
    windowOpener().open(WindowKind::Options, this, needs);
}

void TekenForm::Command1_Click(int index)
{
    if (index == BackButton) {
        unload();
        return;
    }
    Num1->settleOutOfRange();
    const int i = selectedCompartment();
    if (i < 0) return;
    ClearVak(i);
    CompartmentRecord &c = Project().currentMark()->Compartments[i];
    switch (index) {
    case DoorButton:
        CompartmentFilling::setFillType(c, FillTypes::Door);
        showCodeBox(PicDeur);
        break;
    case WindowButton:
        CompartmentFilling::setFillType(c, FillTypes::Window);
        showCodeBox(PicRaam);
        break;
    case GlassButton:
        CompartmentFilling::setFillType(c, FillTypes::Glass);
        Shape1->setShown(false);
        openOptionsWindow();
        break;
    case PanelButton:
        CompartmentFilling::setFillType(c, FillTypes::Panel);
        showCodeBox(PicPaneel);
        break;
    default: break; // "Wissen": the compartment is empty now
    }
}

void TekenForm::Command2_Click(int index)
{
    const FillCodeInfo *info = FillCodes::forButton(index);
    if (!info) {
        if (index < 0 || index >= Command2.size() || !Command2[index]) return;
        Shape1->setShown(false);
        Command2[index]->parentWidget()->hide(); // "Terug" closes the box it sits in
        return;
    }
    Num1->settleOutOfRange(); // the code buttons take no focus, so the number box may not have been left
    const int i = selectedCompartment();
    if (i < 0) return;
    Shape1->setShown(false);
    // A code always lands on a compartment of its own type: another type's drawing goes first.
    if (CompartmentFilling::changesFillType(Project().currentMark()->Compartments[i], *info)) ClearVak(i);
    CompartmentRecord &c = Project().currentMark()->Compartments[i];
    CompartmentFilling::setFillCode(c, *info);
    const bool panel = c.FillType == FillTypes::Panel;

    ReDrawVak();
    PicDeur->hide();
    PicRaam->hide();
    if (!panel) {
        openOptionsWindow();
    } else {
        selectNextCompartment();
    }
    PicPaneel->hide();
}

// Selection.

void TekenForm::Num1_Change()
{
    const int i = selectedCompartment();
    if (i < 0) return;
    Shape1->setShown(true);
    Shape1->place(tools_.PlaceVakMarker(Project().currentMark(), i));
}

void TekenForm::Pic1_MouseDown(int button, int, float x, float y)
{
    Shape1->setShown(true);
    if (button != 1) return;
    const int i = tools_.VakAtPoint(Project().currentMark(), x, y);
    if (i >= 0) Num1->setValue(i + 1);
}

// Ready check.

void TekenForm::Command3_Click()
{
    const int i = FirstEmptyCompartment(Project());
    if (i < 0) {
        if (FrameRecord *mark = Project().currentMark()) mark->IsComplete = true;
        const QPointer<Form> beneath = beneath_;
        unload();
        if (beneath) beneath->unload();
        return;
    }
    MsgBox(QStringLiteral("U heeft geen vakvulling opgegeven voor vak ") + QString::number(i + 1),
           MsgStyle::Exclamation, ErrorTitle);
    Pic1->update();
    Num1->setValue(i + 1);
}

// Closing.

void TekenForm::Form_Unload(bool &)
{
    if (FrameRecord *mark = Project().currentMark()) mark->Remark = Text1->text();
    ReleaseFormLevel();
}
