// The main screen's controls and their places, in twips.
#include "ButtonPictures.h"
#include "HelpBalloons.h"
#include "HoofdScherm.h"
#include "model/ProjectState.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"
#include "platform/widgets/Twips.h"
#include "shape/ShapeCodes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int Width = 10500, Height = 7350;
constexpr int RowTop = 360, RowStep = 390, RowHeight = 330;
constexpr int ShapeTop = 6390, ShapeSize = 780, ShapeStep = 840;
}

void HoofdScherm::buildControls()
{
    setFixedSize(px(Width), px(Height));
    setAutoFillBackground(true);

    // The caption bar of the screen inside the frame.
    auto *caption = new QLabel(windowTitle(), this);
    caption->setObjectName("Caption");
    caption->setGeometry(0, 0, px(Width), px(300));
    caption->setIndent(6);
    caption->setStyleSheet("QLabel { color: white; font-weight: bold;"
                           " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0a246a, stop:1 #a6caf0); }");

    auto row = [](QWidget *group, int i, const QString &text, QWidget *field, int fieldLeft, int fieldWidth) {
        auto *label = new QLabel(text, group);
        placeTwips(label, 180, RowTop + i * RowStep, fieldLeft - 240, RowHeight);
        field->setParent(group);
        placeTwips(field, fieldLeft, RowTop + i * RowStep, fieldWidth, RowHeight);
    };
    auto unit = [](QWidget *group, int i, int left) {
        auto *label = new QLabel("mm", group);
        placeTwips(label, left, RowTop + i * RowStep, 400, RowHeight);
    };

    // The mark on screen.
    auto *markGroup = new QGroupBox("Merk gegevens", this);
    placeTwips(markGroup, 120, 420, 5040, 5100);
    for (int i = 0; i < 2; ++i) Text1[i] = new TextField;
    for (int i = 0; i < 8; ++i) Num1[i] = new NumericField;
    Combo1[0] = new ChoiceList;
    WK2 = new QCheckBox("Weerstand klasse 2");
    const int fieldLeft = 2250;
    row(markGroup, 0, "Merk", Text1[0], fieldLeft, 1050);
    row(markGroup, 1, "Korte omschrijving", Text1[1], fieldLeft, 2610);
    row(markGroup, 2, "Breedte", Num1[0], fieldLeft, 900);
    row(markGroup, 3, "Hoogte", Num1[1], fieldLeft, 900);
    row(markGroup, 4, "Aantal getekend", Num1[2], fieldLeft, 900);
    row(markGroup, 5, "Aantal gespiegeld", Num1[3], fieldLeft, 900);
    row(markGroup, 6, "Houtsoort", Combo1[0], fieldLeft, 2610);
    row(markGroup, 7, "Dikte kozijnhout", Num1[4], fieldLeft, 900);
    row(markGroup, 8, "Breedte kozijnhout", Num1[5], fieldLeft, 900);
    row(markGroup, 9, "Dikte tussenstijl", Num1[6], fieldLeft, 900);
    row(markGroup, 10, "Dikte tussendorpel", Num1[7], fieldLeft, 900);
    WK2->setParent(markGroup);
    placeTwips(WK2, fieldLeft, RowTop + 11 * RowStep, 2610, RowHeight);
    for (int r : {2, 3, 7, 8, 9, 10}) unit(markGroup, r, fieldLeft + 990);
    Num1[CountDrawnField]->setRange(1, 9999);

    // The user's own and mail data.
    auto *personGroup = new QGroupBox("Persoonlijke gegevens", this);
    placeTwips(personGroup, 5280, 420, 5100, 5100);
    int personalRow = 0;
    for (const PersonalField &f : PersonalFields) {
        TextField *field = Text1[FirstPersonalField + personalRow] = new TextField;
        row(personGroup, personalRow++, f.label, field, 2100, 2820);
    }
    Combo1[1] = new ChoiceList;
    row(personGroup, personalRow, "Verzendmethode", Combo1[1], 2100, 2820);

    // The mark buttons.
    const QStringList captions{"|<", "<", ">", ">|", "Verwijder", "Overzicht", "Nieuw"};
    const QStringList tips{"Eerste tekening",  "Vorige tekening",           "Volgende tekening", "Laatste tekening",
                           "Verwijder huidige tekening", "Overzicht alle tekeningen", "Nieuwe tekening"};
    for (int k = 0; k < 7; ++k) {
        auto *b = Command1[k] = new QPushButton(captions[k], this);
        b->setObjectName(QString("Command1_%1").arg(k));
        b->setToolTip(tips[k]);
        if (k < 4)
            placeTwips(b, 120 + k * 480, 5640, 450, 390);
        else
            placeTwips(b, 2160 + (k - 4) * 1260, 5640, 1200, 390);
        connect(b, &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    }

    // The shape buttons, with the send and help buttons beside them.
    auto *shapeLabel = new QLabel("Basis vorm", this);
    placeTwips(shapeLabel, 120, ShapeTop - 300, 3000, 270);
    for (int k = 0; k < ShapeCodes::BasicShapeCount; ++k) {
        auto *b = Command2[k] = new QPushButton(this);
        b->setObjectName(QString("Command2_%1").arg(k));
        b->setToolTip(ShapeCodes::basicShapes()[k].tooltip);
        b->setIconSize(QSize(44, 44));
        b->setAutoFillBackground(true);
        placeTwips(b, 120 + k * ShapeStep, ShapeTop, ShapeSize, ShapeSize);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, k] { Command2_Click(k); });
    }
    const QIcon pictures[2] = {pictureShownLater(helpPicture), QIcon(sendPicture())};
    for (int k = 0; k < 2; ++k) {
        auto *b = Command3[k] = k == HelpPointerButton ? new HelpButton(this) : new QPushButton(this);
        b->setObjectName(QString("Command3_%1").arg(k));
        b->setIcon(pictures[k]);
        b->setIconSize(QSize(36, 36));
        placeTwips(b, 8700 + k * ShapeStep, ShapeTop, ShapeSize, ShapeSize);
        connect(b, &QPushButton::clicked, this, [this, k] { Command3_Click(k); });
    }
    Command3[SendButton]->setToolTip("Verzenden tekeningen");

    for (int i = 0; i < 13; ++i) {
        Text1[i]->setObjectName(QString("Text1_%1").arg(i));
        connect(Text1[i], &TextField::LostFocus, this, [this, i] { Text1_LostFocus(i); });
        connect(Text1[i], &TextField::Click, this, [i] { helpClick("Text1", i); });
    }
    for (int i = 0; i < 8; ++i) {
        Num1[i]->setObjectName(QString("Num1_%1").arg(i));
        connect(Num1[i], &TextField::Click, this, [i] { helpClick("Num1", i); });
    }
    Combo1[0]->setObjectName("Combo1_0");
    Combo1[1]->setObjectName("Combo1_1");
    WK2->setObjectName("WK2");
    connect(Num1[WidthField], &TextField::Validate, this, [this](bool &cancel) { checkSize(WidthField, cancel); });
    connect(Num1[HeightField], &TextField::Validate, this, [this](bool &cancel) { checkSize(HeightField, cancel); });
    connect(Text1[EMailField], &TextField::Validate, this, &HoofdScherm::checkEMail);
    // The chosen mail method goes into the project at once, as the list reports every selection.
    connect(Combo1[MailMethodList], &ChoiceList::Click, this, [](int index) { Project().MailMethod = mailMethodAt(index); });
}
