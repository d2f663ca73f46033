#include "SubVakken.h"

#include "DirectionPictures.h"
#include "drawing/CompartmentOptions.h"
#include "model/Catalogue.h"
#include "model/ProjectState.h"
#include "platform/Screen.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/Twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QToolButton>

#include <algorithm>

namespace {
namespace Options = CompartmentOptions;

// Layout in pixels; the width is 3720 twips.
constexpr int Width = 3720 / 15;
constexpr int Margin = 5; // 75 twips
constexpr int BoxWidth = Width - 2 * Margin;
constexpr int Inner = 10;
constexpr int FieldWidth = BoxWidth - 2 * Inner;
constexpr int RowHeight = 24;
constexpr int Button = DirectionPictures::Size + 6;

const QColor Highlight(0, 200, 255);

QLabel *label(const QString &text, QWidget *parent, const QRect &at)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(at);
    return l;
}

ChoiceList *choiceList(QWidget *parent, int y)
{
    auto *c = new ChoiceList(parent);
    c->setGeometry(Inner, y, FieldWidth, RowHeight);
    return c;
}

void setBackground(QWidget *w, const QColor &colour)
{
    // An invalid colour puts back the style's own button face.
    QPalette p = w->palette();
    p.setColor(QPalette::Button, colour.isValid() ? colour : QWidget().palette().color(QPalette::Button));
    w->setPalette(p);
    w->setAutoFillBackground(colour.isValid());
}
}

SubVakken *SubVakken::Show(CompartmentSelection *drawing, QWidget *owner)
{
    // One at a time: a new fill choice takes the place of options still open for the one before.
    for (Form *f : Form::loadedForms())
        if (auto *open = qobject_cast<SubVakken *>(f)) open->unload();
    return openForm<SubVakken>(drawing, owner);
}

SubVakken::SubVakken(CompartmentSelection *drawing, QWidget *owner) : Form(owner), drawing_(drawing)
{
    setObjectName(QStringLiteral("SubVakken"));
    setWindowTitle(QStringLiteral("Subvakken"));
    // The window goes with the drawing window that opened it.
    if (auto *object = dynamic_cast<QObject *>(drawing)) {
        object->installEventFilter(this);
        connect(object, &QObject::destroyed, this, [this] {
            drawing_ = nullptr;
            if (isLoaded()) unload();
        });
    }
    buildControls();
}

void SubVakken::buildControls()
{
    for (int g = 0; g <= Options::GroupCount; ++g) {
        const bool glazing = g == Options::GlazingGroup;
        Frame1[g] = new QGroupBox(glazing ? QStringLiteral("Glasvak") : QStringLiteral("Draairichting"), this);
        Frame1[g]->setGeometry(Margin, Margin, BoxWidth, Button + 30);
        Frame1[g]->hide();
        if (glazing) continue;
        const Options::DirectionGroup &group = Options::directionGroup(g);
        for (int k = 0; k < group.choices.size(); ++k) {
            const int index = group.firstButton + k;
            auto *b = new QToolButton(Frame1[g]);
            b->setObjectName(QStringLiteral("Command1_%1").arg(index));
            b->setGeometry(Inner + k * (Button + 8), 22, Button, Button);
            b->setIconSize(QSize(DirectionPictures::Size, DirectionPictures::Size));
            // A click gives the button the focus, and with it the highlight: a tool button takes
            // the focus only from the keyboard by itself.
            b->setFocusPolicy(Qt::StrongFocus);
            b->installEventFilter(this);
            connect(b, &QToolButton::clicked, this, [this, index] { Command1_Click(index); });
            Command1[index] = b;
        }
        if (g <= 1) {
            const QStringList tips = {QStringLiteral("Vast"), QStringLiteral("Links"), QStringLiteral("Rechts")};
            for (int k = 0; k < 3; ++k) Command1[group.firstButton + k]->setToolTip(tips[k]);
        }
    }
    Combo1[4] = choiceList(Frame1[Options::GlazingGroup], 26);

    int y = Frame1[0]->geometry().bottom() + 1 + Margin;
    Frame2[0] = new QGroupBox(QStringLiteral("Rooster"), this);
    Frame2[0]->setGeometry(Margin, y, BoxWidth, 84);
    Combo1[0] = choiceList(Frame2[0], 22);
    Combo1[1] = choiceList(Frame2[0], 22 + RowHeight + 6);

    y = Frame2[0]->geometry().bottom() + 1 + Margin;
    Frame2[1] = new QGroupBox(QStringLiteral("Roedes"), this);
    Frame2[1]->setGeometry(Margin, y, BoxWidth, 140);
    Check1[0] = new QCheckBox(QStringLiteral("Opplak roedes"), Frame2[1]);
    Check1[0]->setGeometry(Inner, 20, FieldWidth, RowHeight);
    Combo1[2] = choiceList(Frame2[1], 20 + RowHeight + 4);
    const QStringList countLabels = {QStringLiteral("Aantal roedes horizontaal:"),
                                     QStringLiteral("Aantal roedes vertikaal:")};
    for (int k = 0; k < 2; ++k) {
        const int row = 20 + 2 * (RowHeight + 4) + k * (RowHeight + 6);
        countLabels_[k] = label(countLabels[k], Frame2[1], QRect(Inner, row, FieldWidth - 44, RowHeight));
        Num1[k] = new NumericField(Frame2[1]);
        Num1[k]->setGeometry(Inner + FieldWidth - 36, row, 36, RowHeight);
        Num1[k]->setRange(0, 9);
        Num1[k]->setValue(0); // before the window listens: the starting counts are no change
    }

    y = Frame2[1]->geometry().bottom() + 1 + Margin;
    Frame2[2] = new QGroupBox(QStringLiteral("Hoogte borstwering"), this);
    Frame2[2]->setGeometry(Margin, y, BoxWidth, 56);
    Combo1[3] = choiceList(Frame2[2], 22);

    y = Frame2[2]->geometry().bottom() + 1 + Margin;
    Frame2[3] = new QGroupBox(this);
    Frame2[3]->setGeometry(Margin, y, BoxWidth, 40);
    Check1[1] = new QCheckBox(QStringLiteral("Hardglas"), Frame2[3]);
    Check1[1]->setGeometry(Inner, 8, FieldWidth, RowHeight);

    y = Frame2[3]->geometry().bottom() + 1 + Margin;
    Frame2[4] = new QGroupBox(QStringLiteral("Horren"), this);
    Frame2[4]->setGeometry(Margin, y, BoxWidth, 56);
    Combo1[5] = choiceList(Frame2[4], 22);

    y = Frame2[4]->geometry().bottom() + 1 + Margin + 2;
    OK = new QPushButton(QStringLiteral("O.K."), this);
    OK->setObjectName(QStringLiteral("Command1_%1").arg(OkButton));
    OK->setGeometry(Width - Margin - 100, y, 100, 28);
    OK->installEventFilter(this);
    connect(OK, &QPushButton::clicked, this, [this] { Command1_Click(OkButton); });

    for (int k = 0; k < 6; ++k) connect(Combo1[k], &ChoiceList::Click, this, [this, k] { Combo1_Click(k); });
    for (int k = 0; k < 2; ++k) {
        // Ticked from code or by the user alike.
        connect(Check1[k], &QCheckBox::stateChanged, this, [this, k] { Check1_Click(k); });
        connect(Num1[k], &NumericField::Change, this, &SubVakken::Num1_Change);
    }
    setFixedSize(Width, y + 28 + Margin);
}

bool SubVakken::eventFilter(QObject *watched, QEvent *event)
{
    const auto *drawingForm = dynamic_cast<Form *>(drawing_);
    if (watched == drawingForm && event->type() == QEvent::Close && !drawingForm->isLoaded() && isLoaded()) {
        unload();
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        for (int k = 0; k <= OkButton; ++k)
            if (watched == (k == OkButton ? static_cast<QWidget *>(OK) : Command1[k])) Command1_GotFocus(k);
    }
    return Form::eventFilter(watched, event);
}

CompartmentRecord *SubVakken::compartment() const
{
    if (!drawing_ || !drawing_->hasCompartmentNumber()) return nullptr;
    FrameRecord *mark = Project().currentMark();
    const int i = drawing_->compartmentNumber() - 1;
    if (!mark || i < 0 || i >= mark->Compartments.size()) return nullptr;
    return &mark->Compartments[i];
}

Options::Offered SubVakken::offered() const
{
    const CompartmentRecord *c = compartment();
    return Options::offered(c ? c->FillType : QString(), c ? c->FillCode : QString());
}

void SubVakken::redraw()
{
    if (drawing_) drawing_->ReDrawVak();
}

// Opening.

void SubVakken::Form_Load()
{
    FillVentGrilleLists();
    FillGlazingBarList();
    LoadBreastWallList();
    LoadScreenList();
    fitWidth();
    const QSize screen = screenSize();
    const int top = y();
    move(screen.width() - width() - px(1000), (screen.height() - top) / 5);

    const CompartmentRecord *c = compartment();
    const QString code = c ? c->FillCode : QString();
    const QString type = c ? c->FillType : QString();
    const int group = Options::groupOf(code);
    if (group >= 0) {
        Frame1[group]->move(Margin, Margin);
        Frame1[group]->show();
        if (group != Options::GlazingGroup) {
            const Options::DirectionGroup &g = Options::directionGroup(group);
            for (int k = 0; k < g.choices.size(); ++k)
                Command1[g.firstButton + k]->setIcon(DirectionPictures::forChoice(code, type, g.choices[k]));
        } else {
            for (const QString &entry : Options::glazingEntries()) Combo1[4]->addEntry(entry);
            Combo1[4]->setListIndex(0);
        }
    }
    const Options::Offered on = offered();
    Check1[1]->setEnabled(on.toughenedGlass);
    Combo1[3]->setEnabled(on.breastWall);
    RegisterFormLevel();
}

void SubVakken::FillVentGrilleLists()
{
    for (const Options::Grille &g : Options::grilles()) Combo1[0]->addEntry(g.name);
    Combo1[0]->setListIndex(0);
    for (const QString &side : Options::grilleSides()) Combo1[1]->addEntry(side);
    Combo1[1]->setListIndex(0);
    Combo1[1]->setEnabled(offered().grilleSide);
}

void SubVakken::FillGlazingBarList()
{
    for (const QString &placement : Options::barPlacements()) Combo1[2]->addEntry(placement);
    Combo1[2]->setListIndex(0);
    Combo1[2]->setEnabled(offered().barPlacement);
}

void SubVakken::LoadBreastWallList()
{
    Combo1[3]->clearEntries();
    const CompartmentRecord *c = compartment();
    for (const QString &entry : Catalogue::breastWallEntries(c ? c->ClearHeight : 0)) Combo1[3]->addEntry(entry);
    Combo1[3]->setListIndex(-1);
}

void SubVakken::LoadScreenList()
{
    Combo1[5]->clearEntries();
    for (const QString &entry : Catalogue::screenEntries()) Combo1[5]->addEntry(entry);
    Combo1[5]->setListIndex(-1);
    Combo1[5]->view()->setMinimumWidth(Combo1[5]->view()->sizeHintForColumn(0) + 2 * Inner);
    Combo1[5]->setEnabled(offered().screen);
}

void SubVakken::fitWidth()
{
    // The places are made for the old system font; a larger font (a screen of more dots per inch) or
    // a wider face ran the lists' texts under their arrows. Everything as wide as the window grows.
    int extra = 0;
    for (ChoiceList *c : Combo1) {
        QStyleOptionComboBox option;
        option.initFrom(c);
        option.rect = c->rect();
        option.frame = c->hasFrame();
        // The text stands a pixel inside the field on either side.
        const int field = c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c).width() - 2;
        for (int i = 0; i < c->entryCount(); ++i)
            extra = std::max(extra, c->fontMetrics().horizontalAdvance(c->entry(i)) - field);
    }
    for (const QLabel *l : countLabels_) extra = std::max(extra, l->sizeHint().width() - l->width());
    for (const QCheckBox *b : Check1) extra = std::max(extra, b->sizeHint().width() - b->width());
    if (extra <= 0) return;
    const auto widen = [extra](QWidget *w) { w->resize(w->width() + extra, w->height()); };
    for (QGroupBox *g : Frame1) widen(g);
    for (QGroupBox *g : Frame2) widen(g);
    for (ChoiceList *c : Combo1) widen(c);
    for (QLabel *l : countLabels_) widen(l);
    for (QCheckBox *b : Check1) widen(b);
    for (QWidget *w : std::initializer_list<QWidget *>{Num1[0], Num1[1], OK}) w->move(w->x() + extra, w->y());
    setFixedSize(width() + extra, height());
}

// Choices.

void SubVakken::Command1_GotFocus(int index)
{
    const auto button = [this](int k) -> QWidget * { return k == OkButton ? static_cast<QWidget *>(OK) : Command1[k]; };
    if (QWidget *previous = button(HighlightedButton)) setBackground(previous, QColor());
    if (QWidget *now = button(index)) setBackground(now, Highlight);
    HighlightedButton = index;
}

void SubVakken::Command1_Click(int index)
{
    if (index == OkButton) {
        unload();
    } else if (const auto choice = Options::directionOfButton(index)) {
        if (CompartmentRecord *c = compartment()) Options::setDirection(*c, *choice);
    }
    redraw();
    if (index == OkButton && drawing_) drawing_->selectNextCompartment();
}

void SubVakken::Combo1_Click(int index)
{
    CompartmentRecord *c = compartment();
    if (c) {
        switch (index) {
        case 0:
        case 1: {
            const int row = Combo1[0]->listIndex();
            if (row >= 0) Options::setGrille(*c, Options::grilles().value(row).code, Combo1[1]->listIndex());
            break;
        }
        case 2:
            if (!Num1[0]->isEmpty() && !Num1[1]->isEmpty())
                Options::setBars(*c, Num1[0]->value(), Num1[1]->value(), Combo1[2]->listIndex(), false);
            break;
        case 3:
            if (const auto height = Options::breastWallHeight(Combo1[3]->text())) c->BreastWallHeight = *height;
            break;
        case 4: Options::setGlazing(*c, Combo1[4]->listIndex()); break;
        case 5: c->ScreenName = Combo1[5]->text(); break;
        default: break;
        }
    }
    redraw();
}

void SubVakken::Check1_Click(int index)
{
    if (CompartmentRecord *c = compartment()) {
        const bool ticked = Check1[index]->checkState() == Qt::Checked; // the grey third state is no tick
        (index == 0 ? c->AppliedBars : c->ToughenedGlass) = ticked;
    }
    redraw();
}

void SubVakken::Num1_Change()
{
    if (CompartmentRecord *c = compartment()) {
        const int placement = Options::barsInBothLeaves(c->FillCode) ? 2 : Combo1[2]->listIndex();
        Options::setBars(*c, Num1[0]->value(), Num1[1]->value(), placement, true);
    }
    redraw();
}
