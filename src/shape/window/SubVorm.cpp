#include "SubVorm.h"

#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "platform/TextFile.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/Twips.h"
#include "shape/ClearSizeEntry.h"
#include "shape/ClearSizeLayout.h"
#include "shape/Compartments.h"
#include "shape/ShapeCodes.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int WindowWidth = 8400, WindowHeight = 6780;
constexpr int WindowTop = 575;
const QColor Highlight(0, 200, 255);

// A frame of four panes: the picture of "Vakvulling".
QPixmap fillPicture()
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(60, 40, 20));
    p.setBrush(QColor(196, 146, 86));
    p.drawRect(1, 1, 25, 25);
    p.setBrush(QColor(178, 218, 242));
    for (const QRect r : {QRect(4, 4, 9, 9), QRect(15, 4, 8, 9), QRect(4, 15, 9, 8), QRect(15, 15, 8, 8)}) p.drawRect(r);
    return pm;
}
}

SubVorm::SubVorm(ShapeButtonSource shapeButton, QWidget *parent) : Form(parent), shapeButton(std::move(shapeButton))
{
    setObjectName("SubVorm");
    buildControls();
}

SubVorm::~SubVorm() = default;

void SubVorm::buildControls()
{
    setFixedSize(px(WindowWidth), px(WindowHeight));
    for (int i = 0; i < int(Command1.size()); ++i) {
        auto *b = Command1[i] = new QPushButton(this);
        b->setObjectName(QString("Command1_%1").arg(i));
        b->setToolTip("Selecteer hier een andere vorm");
        b->setGeometry(twipsRect(150 + 900 * i, 75, 900, 855));
        b->setIconSize(QSize(48, 48));
        b->setAutoFillBackground(true);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Pic1 = new ShapePicture(this);
    Pic1->move(px(150), px(1005));

    Command2 = new QPushButton("Vakvulling", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip("Klik hier om de vakvulling op te geven van de tekening");
    Command2->setIcon(fillPicture());
    Command2->setIconSize(QSize(28, 28));
    Command2->setGeometry(twipsRect(5400, 6000, 1500, 630));
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    const char *names[ClearSizeSet::RowCount] = {"L", "B", "R", "M"};
    for (int r = 0; r < ClearSizeSet::RowCount; ++r) {
        for (int i = 0; i < ClearSizeLayout::RowLength[r]; ++i) {
            auto *f = new NumericField(Pic1);
            f->setObjectName(QString("%1_%2").arg(names[r]).arg(i));
            f->resize(ClearSizeLayout::InputWidth, ClearSizeLayout::InputHeight);
            f->hide();
            switch (r) {
            case 0: L[i] = f; break;
            case 1: B[i] = f; break;
            case 2: R[i] = f; break;
            case 3: M[i] = f; break;
            }
        }
    }
}

NumericField *SubVorm::input(int row, int index) const
{
    if (index < 0) return nullptr;
    switch (row) {
    case 0: return index < int(L.size()) ? L[index] : nullptr;
    case 1: return index < int(B.size()) ? B[index] : nullptr;
    case 2: return index < int(R.size()) ? R[index] : nullptr;
    case 3: return index < int(M.size()) ? M[index] : nullptr;
    }
    return nullptr;
}

// ---- Load, activation, unload ----

void SubVorm::Form_Load()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 0;
    move((screenWidth - width()) / 2, px(WindowTop));
    fonts.CreateLabelFonts(TwipsPerPixel);
    // Settled before the layout, so that the layout never reads the flag of an earlier opening.
    const bool keepsCompartments = settleShapeFlags(Project());
    LayoutShape();
    RegisterFormLevel();
    if (keepsCompartments && !LoadClearSizeInputs()) {
        unload();
        return;
    }
    ShowSubShapeButtons();
}

void SubVorm::Form_Activate() { ShowSubShapeButtons(); }

void SubVorm::Form_Unload(bool &)
{
    fonts.DeleteLabelFonts();
    ReleaseFormLevel();
}

// ---- Variant buttons ----

int SubVorm::basicShape() const
{
    const int pressed = shapeButton ? shapeButton() : -1;
    const FrameRecord *mark = Project().currentMark();
    return mark ? variantBasicShape(*mark, pressed) : pressed;
}

void SubVorm::ShowSubShapeButtons()
{
    const int k = basicShape();
    const int n = ShapeCodes::variantCount(k);
    for (int i = 0; i < int(Command1.size()); ++i) {
        QPushButton *b = Command1[i];
        if (i < n) {
            // A missing icon leaves the button without one.
            const QString path = findFile(ShapeCodes::variantIcon(k, i));
            b->setIcon(path.isEmpty() ? QIcon() : readIcon(path));
            b->show();
        } else {
            b->hide();
        }
    }
}

void SubVorm::Command1_Click(int index)
{
    chooseVariant(Project(), basicShape(), index);
    LayoutShape();
}

// ---- Layout ----

void SubVorm::ShowClearSizeInputs(int nL, int nB, int nR, int nM)
{
    const int counts[ClearSizeSet::RowCount] = {nL, nB, nR, nM};
    for (int r = 0; r < ClearSizeSet::RowCount; ++r)
        for (int i = 0; i < ClearSizeLayout::RowLength[r]; ++i) input(r, i)->setVisible(i < counts[r]);
}

void SubVorm::LayoutShape()
{
    ShowClearSizeInputs(0, 0, 0, 0);
    ProjectState &state = Project();
    applyShapeLayout(state);
    for (int r = 0; r < ClearSizeSet::RowCount; ++r)
        for (int i = 0; i < ClearSizeLayout::RowLength[r]; ++i) input(r, i)->clearValue();
    for (QPushButton *b : Command1) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, palette().color(QPalette::Button));
        b->setPalette(pal);
    }
    const FrameRecord *mark = state.currentMark();
    if (!mark) return;

    QPoint widthText = ClearSizeLayout::unknownTextPosition(), heightText = widthText;
    if (const ClearSizeLayout::ShapeLayout *layout = ClearSizeLayout::find(mark->ShapeCode)) {
        const int button = layout->variantButton();
        if (button >= 0 && button < int(Command1.size())) {
            QPalette pal = Command1[button]->palette();
            pal.setColor(QPalette::Button, Highlight);
            Command1[button]->setPalette(pal);
        }
        for (int r = 0; r < ClearSizeSet::RowCount; ++r)
            for (int i = 0; i < layout->shown(r); ++i) input(r, i)->move(layout->inputPosition(r, i));
        widthText = layout->widthText;
        heightText = layout->heightText;
        const auto n = layout->shownCounts();
        ShowClearSizeInputs(n[0], n[1], n[2], n[3]);
    }
    showPicture(mark->ShapeCode);
    fonts.PrintSizeLabel(*Pic1, widthText.x(), widthText.y(), ClearSizeLayout::sizeLabel(mark->Width), false);
    fonts.PrintSizeLabel(*Pic1, heightText.x(), heightText.y(), ClearSizeLayout::sizeLabel(mark->Height), true);
    setWindowTitle(mark->ShapeCode);
}

void SubVorm::showPicture(const QString &code)
{
    // Only the 43 codes are ever turned into a file name.
    bitmapPath_ = ShapeCodes::shapeBitmap(code);
    if (bitmapPath_.isEmpty()) {
        Pic1->setPicture({});
        MsgBox(unknownShapeMessage(code), MsgStyle::Exclamation | MsgStyle::OK, ErrorTitle);
        return;
    }
    const QString path = findFile(bitmapPath_);
    QImage picture;
    if (!path.isEmpty()) picture = readPicture(path);
    Pic1->setPicture(picture);
    // A missing or unreadable picture is told; the window goes on without it.
    if (picture.isNull()) MsgBox(ClearSizeLayout::missingPictureMessage(code), MsgStyle::Critical | MsgStyle::OK, ErrorTitle);
}

// ---- Clear sizes ----

ClearSizeSet SubVorm::clearSizeInputs() const
{
    ClearSizeSet shown;
    for (int r = 0; r < ClearSizeSet::RowCount; ++r) {
        std::span<int16> row = shown.row(r);
        for (int i = 0; i < int(row.size()); ++i) row[i] = int16(input(r, i)->value()); // 0 to 9999
    }
    return clearSizesOfInputs(setByProgram_, shown);
}

void SubVorm::setClearSizeInputs(const ClearSizeSet &sizes)
{
    setByProgram_ = sizes;
    for (int r = 0; r < ClearSizeSet::RowCount; ++r) {
        const std::span<const int16> row = sizes.row(r);
        for (int i = 0; i < int(row.size()); ++i) {
            NumericField *f = input(r, i);
            if (f->value() == row[i] && (row[i] != 0 || f->isEmpty())) continue;
            if (row[i] == 0)
                f->clearValue();
            else
                f->setValue(row[i]);
        }
    }
}

bool SubVorm::LoadClearSizeInputs()
{
    const FrameRecord *mark = Project().currentMark();
    if (!mark) return true;
    const ClearSizeSet stored = storedClearSizes(Project(), *mark);
    // Shown brought within the limits they would change at the next "Vakvulling": refused whole.
    if (!inputsCanHold(mark->ShapeCode, stored)) {
        MsgBox(clearSizesBeyondInputsMessage(), MsgStyle::Exclamation, ErrorTitle);
        return false;
    }
    setClearSizeInputs(stored);
    return true;
}

void SubVorm::Command2_Click()
{
    ClearSizeSet sizes = clearSizeInputs();
    QString refusal;
    const bool accepted = acceptClearSizes(Project(), sizes, refusal);
    if (!refusal.isEmpty()) MsgBox(refusal, MsgStyle::Exclamation, ErrorTitle);
    // The rows checked before a refused one keep their completed values.
    setClearSizeInputs(sizes);
    if (!accepted) return;
    WindowNeeds needs;
    needs.widthInputs = this;
    windowOpener().open(WindowKind::Drawing, this, needs);
}

double SubVorm::widthInput(int index) const
{
    return index >= 0 && index < int(B.size()) ? B[index]->value() : 0;
}
