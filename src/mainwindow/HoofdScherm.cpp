#include "HoofdScherm.h"

#include "ButtonPictures.h"
#include "MarkNames.h"
#include "ZanTof.h"
#include "forms/WindowWait.h"
#include "model/Checks.h"
#include "model/OpenDialog.h"
#include "model/ProjectFile.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"
#include "platform/widgets/Twips.h"
#include "shape/ShapeCodes.h"
#include "shape/window/SubVorm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
const QString ErrorTitle = QStringLiteral("FOUTMELDING");
const QColor SelectedShape(0, 200, 255);

// Layout, in twips.
constexpr int Width = 10500, Height = 7350;
constexpr int RowTop = 360, RowStep = 390, RowHeight = 330;
constexpr int ShapeTop = 6390, ShapeSize = 780, ShapeStep = 840;

}

HoofdScherm::HoofdScherm(ZanTof *frame) : Form(frame, Kind::Hosted), frame(frame)
{
    setObjectName("HoofdScherm");
    setWindowTitle("Velbrant Automatisering");
    buildControls();
    frame->setMainScreen(this);
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
    Num1[2]->setRange(1, 9999);

    // The user's own and mail data.
    auto *personGroup = new QGroupBox("Persoonlijke gegevens", this);
    placeTwips(personGroup, 5280, 420, 5100, 5100);
    const QStringList personal{"Klantnummer", "Bedrijfsnaam", "Contactpersoon", "Adres", "Postcode", "Woonplaats",
                               "Telefoon", "Fax", "Project omschrijving", "E-Mail adres", "Mail server (smtp)"};
    for (int i = 2; i <= 12; ++i) {
        Text1[i] = new TextField;
        row(personGroup, i - 2, personal[i - 2], Text1[i], 2100, 2820);
    }
    Combo1[1] = new ChoiceList;
    row(personGroup, 11, "Verzendmethode", Combo1[1], 2100, 2820);

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
    const QPixmap pictures[2] = {helpPicture(), sendPicture()};
    for (int k = 0; k < 2; ++k) {
        auto *b = Command3[k] = new QPushButton(this);
        b->setObjectName(QString("Command3_%1").arg(k));
        b->setIcon(pictures[k]);
        b->setIconSize(QSize(36, 36));
        placeTwips(b, 8700 + k * ShapeStep, ShapeTop, ShapeSize, ShapeSize);
        connect(b, &QPushButton::clicked, this, [this, k] { Command3_Click(k); });
    }
    Command3[1]->setToolTip("Verzenden tekeningen");
    // The help-pointer mode comes with the help balloons.
    Command3[0]->setEnabled(false);

    for (int i = 0; i < 13; ++i) {
        Text1[i]->setObjectName(QString("Text1_%1").arg(i));
        connect(Text1[i], &TextField::LostFocus, this, [this, i] { Text1_LostFocus(i); });
    }
    for (int i = 0; i < 8; ++i) Num1[i]->setObjectName(QString("Num1_%1").arg(i));
    Combo1[0]->setObjectName("Combo1_0");
    Combo1[1]->setObjectName("Combo1_1");
    WK2->setObjectName("WK2");
    connect(Num1[0], &TextField::Validate, this, &HoofdScherm::checkWidth);
    connect(Num1[1], &TextField::Validate, this, &HoofdScherm::checkHeight);
    connect(Text1[11], &TextField::Validate, this, &HoofdScherm::checkEMail);
}

// ---- Start-up and shut-down ----

void HoofdScherm::Form_Load()
{
    if (!CheckRequiredFiles()) {
        EndProgram(1);
        return;
    }
    LoadPersonalData();
    LoadTimberTypes();
    LoadFactoryDefaults();
    ProjectState &s = Project();
    s.ProjectDirty = false;
    s.CurrentMarkIndex = 0;
    s.MarkCount = 0;
    s.ShapeChanged = false;
    ShowShapeButtons(-1);
    RegisterFormLevel();
    UpdateButtonStates();
}

bool HoofdScherm::CheckRequiredFiles()
{
    struct Item {
        QString name;
        bool folder;
        QString shown;
    };
    const QList<Item> items{
        {"ICO", true, "De map ICO"}, {"Vormen", true, "De map Vormen"}, {"Basis.txt", false, "Basis.txt"},
        {"BorstW.txt", false, "BorstW.txt"}, {"EmOD.txt", false, "EmOD.txt"}, {"Kleur.txt", false, "Kleur.txt"},
        {"KozHout.txt", false, "KozHout.txt"}, {"Spouwlat.txt", false, "Spouwlat.txt"},
    };
    for (const Item &item : items) {
        const QString path = findFile(item.name);
        const QFileInfo info(path);
        const bool present = !path.isEmpty()
                             && (item.folder ? info.isDir() && !QDir(path).entryList(QDir::Files).isEmpty() : info.isFile());
        if (!present) {
            MsgBox(item.shown + " niet gevonden !\r\n\r\nVraag uw timmerbedrijf voor dit bestand.",
                   MsgStyle::Critical + MsgStyle::OK, ErrorTitle);
            return false;
        }
    }
    return true;
}

void HoofdScherm::LoadPersonalData()
{
    for (const char *method : {"Standaard", "WinSock", "Outlook"}) Combo1[1]->addEntry(method);
    const QString path = findFile("PersGeg.Txt");
    if (!path.isEmpty()) {
        const QStringList lines = readTextLines(path).value_or(QStringList());
        // A short or damaged file fills what it holds and leaves the mail method unselected.
        for (int i = 0; i < 11; ++i) {
            if (i >= lines.size()) return;
            Text1[2 + i]->setText(lines[i]);
        }
        const std::optional<int> method = lines.size() > 11 ? WholeNumber(lines[11]) : std::nullopt;
        if (!method || !Combo1[1]->setListIndex(*method)) return;
    }
    if (Combo1[1]->listIndex() < 0) Combo1[1]->setListIndex(0);
}

void HoofdScherm::LoadTimberTypes()
{
    Combo1[0]->clearEntries();
    const QString path = findFile("Kozhout.TXT");
    if (path.isEmpty()) return;
    for (const QString &line : readTextLines(path).value_or(QStringList())) Combo1[0]->addEntry(line);
}

void HoofdScherm::LoadFactoryDefaults()
{
    const QString path = findFile("Basis.TXT");
    if (path.isEmpty()) return;
    const QStringList lines = readTextLines(path).value_or(QStringList());
    ProjectState &s = Project();
    // A short file keeps what was read so far; a size that is no number, or one the field cannot hold, reads as 0.
    auto size = [](const QString &line) {
        const int v = WholeNumber(line).value_or(0);
        return v >= 0 && v <= 9999 ? v : 0;
    };
    for (int n = 0; n < qMin<qsizetype>(lines.size(), 8); ++n) {
        const QString &line = lines[n];
        switch (n) {
        case 0: s.FactoryWebSite = line; break;
        case 1: s.FactoryEMail = line; break;
        case 2: {
            QString timber = Combo1[0]->entryCount() > 0 ? Combo1[0]->entry(0) : QString();
            for (int i = 0; i < Combo1[0]->entryCount(); ++i) {
                if (Combo1[0]->entry(i) == line) {
                    timber = line;
                    break;
                }
            }
            Combo1[0]->setText(timber);
            s.DefaultTimberType = timber;
            break;
        }
        case 3:
            Num1[4]->setValue(size(line));
            s.DefaultFrameThickness = int16(Num1[4]->value());
            Num1[6]->setValue(size(line));
            s.DefaultMullionThickness = int16(Num1[6]->value());
            Num1[7]->setValue(size(line));
            s.DefaultTransomThickness = int16(Num1[7]->value());
            break;
        case 4:
            Num1[5]->setValue(size(line));
            s.DefaultFrameWidth = int16(Num1[5]->value());
            break;
        case 5: WK2->setChecked(WholeNumber(line).value_or(0) == 1); break;
        case 6: s.FactoryName = line; break;
        case 7: s.FactoryPhone = line; break;
        }
    }
}

void HoofdScherm::SavePersonalData()
{
    QStringList lines;
    for (int i = 2; i <= 12; ++i) {
        QString text = Text1[i]->text();
        // One field, one line: a line break inside a field would shift every line after it.
        text.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
        lines << text;
    }
    const int method = Combo1[1]->listIndex();
    lines << (method >= 0 ? " " : "") + QString::number(method);
    writeTextLines("PersGeg.Txt", lines); // a file that cannot be written is passed over
}

bool HoofdScherm::askToSaveChanges()
{
    ProjectState &s = Project();
    if (s.marksInUse() == 0) return true;
    if (!s.ProjectDirty) s.ProjectDirty = ProjectChanged(s);
    if (!s.ProjectDirty) return true;
    const int answer = MsgBox("Wilt u de wijzigingen opslaan ?", MsgStyle::YesNoCancel + MsgStyle::Question, "Zandrel tofmaar");
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes) return SaveProject(s, *this, false);
    return true;
}

void HoofdScherm::Form_Unload(bool &cancel)
{
    QCoreApplication::processEvents();
    // The windows above do their own unload work first (a remark typed in the drawing window is stored).
    CloseFormsAbove();
    if (Project().MarkCount > 0) {
        KeepLookedUpLabel();
        SaveRec();
    }
    if (!askToSaveChanges()) {
        cancel = true;
        return;
    }
    SavePersonalData();
    ReleaseFormLevel();
    EndProgram(0);
}

void HoofdScherm::Form_Activate() { UpdateButtonStates(); }

void HoofdScherm::MenuHelp() { windowOpener().showHelp(HelpTopic::Main, this); }

// ---- Field checks ----

void HoofdScherm::checkWidth(bool &cancel)
{
    if (Num1[0]->value() < 2 * Project().DefaultFrameThickness) {
        MsgBox("Ongeldige breedte opgegeven !", MsgStyle::Exclamation, ErrorTitle);
        cancel = true;
    }
}

void HoofdScherm::checkHeight(bool &cancel)
{
    if (Num1[1]->value() < 2 * Project().DefaultFrameThickness) {
        MsgBox("Ongeldige hoogte opgegeven !", MsgStyle::Exclamation, ErrorTitle);
        cancel = true;
    }
}

void HoofdScherm::checkEMail(bool &cancel)
{
    const QString t = Text1[11]->text();
    if (!t.contains('.') || !t.contains('@')) {
        MsgBox("Ongeldig e-mail adres !", MsgStyle::Exclamation, "Foutmelding");
        cancel = true;
    }
}

// ---- Personal fields ----

QString HoofdScherm::personalField(int index) const
{
    return index >= FirstPersonalField && index <= LastPersonalField ? Text1[index]->text() : QString();
}

void HoofdScherm::setPersonalField(int index, const QString &text)
{
    if (index >= FirstPersonalField && index <= LastPersonalField) Text1[index]->setText(text);
}

// ---- The mark list ----

void HoofdScherm::Command1_Click(int index)
{
    ProjectState &s = Project();
    SaveRec();
    switch (index) {
    case 0: s.CurrentMarkIndex = 0; break;
    case 1:
        if (s.CurrentMarkIndex >= 1) --s.CurrentMarkIndex;
        break;
    case 2:
        if (s.CurrentMarkIndex < s.MarkCount - 1) ++s.CurrentMarkIndex;
        break;
    case 3: s.CurrentMarkIndex = int16(qMax(0, s.MarkCount - 1)); break;
    case 4:
        if (MsgBox("Weet u zeker dat u merk \"" + Text1[0]->text() + "\" wilt verwijderen ?",
                   MsgStyle::YesNo + MsgStyle::Exclamation, "Verwijderen van merk bevestigen")
            == MsgAnswer::Yes) {
            DeleteFrameRecord();
            UpdateButtonStates();
        }
        break;
    case 5: {
        // The overview reports back through the project: a picked row sets CurrentMarkIndex.
        const QPointer<Form> overview = windowOpener().open(WindowKind::MarksOverview, this);
        WaitWhileOpen(Project().MarkOverviewOpen, overview);
        if (overview) overview->unload();
        break;
    }
    case 6:
        Text1[0]->setText(NextMarkName(Text1[0]->text()));
        if (!Text1[0]->text().isEmpty()) OfferNewMark();
        break;
    default: break;
    }
    ShowFrameRecord();
}

void HoofdScherm::Text1_LostFocus(int index)
{
    if (index != 0) return;
    leavingMarkField = true;
    lookUpMark();
    leavingMarkField = false;
}

void HoofdScherm::lookUpMark()
{
    ProjectState &s = Project();
    if (Text1[0]->text().isEmpty()) Text1[0]->setText(NextMarkName(QString()));
    if (s.MarkCount == 0) {
        OfferNewMark();
        return;
    }
    FrameRecord *shown = s.currentMark();
    const QString label = Text1[0]->text();
    if (shown && label == shown->Mark) return;
    // Going to another mark keeps what was typed for the one on screen (but not the new label).
    if (shown) storeFieldsExceptLabel(*shown);
    for (int i = 0; i < s.marksInUse(); ++i) {
        if (s.FrameRecords[i].Mark == label) {
            s.CurrentMarkIndex = int16(i);
            ShowFrameRecord();
            return;
        }
    }
    OfferNewMark();
}

void HoofdScherm::OfferNewMark()
{
    ProjectState &s = Project();
    const int answer = MsgBox("Merk \"" + Text1[0]->text() + "\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?",
                              MsgStyle::YesNo + MsgStyle::Question, "Nieuwe kozijn tekening");
    if (answer == MsgAnswer::Yes && s.MarkCount < 32767) {
        s.NewShapePending = true;
        s.ProjectDirty = true;
        const int count = s.marksInUse();
        s.FrameRecords.resize(count);
        s.FrameRecords.append(FrameRecord());
        s.CurrentMarkIndex = int16(count);
        s.MarkCount = int16(count + 1);
        InitFrameRecord();
        Text1[1]->setFocus();
    } else {
        if (s.MarkCount > 0) {
            s.CurrentMarkIndex = int16(s.marksInUse() - 1);
            Text1[0]->setText(s.FrameRecords[s.CurrentMarkIndex].Mark);
        } else {
            Text1[0]->setText(QString());
        }
        // Refused while leaving the mark field, the focus goes where the user went: sending it back
        // would ask again at every move and keep the user in the field.
        if (!leavingMarkField) Text1[0]->setFocus();
    }
    UpdateButtonStates();
    ShowFrameRecord();
}

void HoofdScherm::InitFrameRecord()
{
    ProjectState &s = Project();
    FrameRecord *m = s.currentMark();
    if (!m) return;
    m->Mark = Text1[0]->text();
    m->Description.clear();
    m->Width = 0;
    m->Height = 0;
    m->CountDrawn = 1;
    m->CountMirrored = 0;
    m->TimberType = s.DefaultTimberType;
    m->FrameThickness = s.DefaultFrameThickness;
    m->FrameWidth = s.DefaultFrameWidth;
    m->MullionThickness = s.DefaultMullionThickness;
    m->TransomThickness = s.DefaultTransomThickness;
    m->ResistanceClass2 = false;
}

void HoofdScherm::storeFieldsExceptLabel(FrameRecord &m)
{
    m.Description = Text1[1]->text();
    m.Width = int16(Num1[0]->value());
    m.Height = int16(Num1[1]->value());
    m.CountDrawn = int16(Num1[2]->value());
    m.CountMirrored = int16(Num1[3]->value());
    m.TimberType = Combo1[0]->text();
    // A loose window or door has no frame: its thickness stays 0 whatever the field shows.
    m.FrameThickness = ShapeCodes::isLoose(m.ShapeCode) ? int16(0) : int16(Num1[4]->value());
    m.FrameWidth = int16(Num1[5]->value());
    m.MullionThickness = int16(Num1[6]->value());
    m.TransomThickness = int16(Num1[7]->value());
    m.ResistanceClass2 = WK2->isChecked();
}

void HoofdScherm::SaveRec()
{
    ProjectState &s = Project();
    if (s.MarkCount <= 0) return;
    FrameRecord *m = s.currentMark();
    if (!m) return;
    m->Mark = Text1[0]->text();
    storeFieldsExceptLabel(*m);
}

void HoofdScherm::KeepLookedUpLabel()
{
    ProjectState &s = Project();
    const FrameRecord *m = s.MarkCount > 0 ? s.currentMark() : nullptr;
    if (m && Text1[0]->text() != m->Mark) Text1[0]->setText(m->Mark);
}

void HoofdScherm::ShowFrameRecord()
{
    ProjectState &s = Project();
    if (s.MarkCount <= 0) return;
    FrameRecord *m = s.currentMark();
    if (!m) return;
    if (!m->Mark.isEmpty()) {
        Text1[0]->setText(m->Mark);
        Text1[1]->setText(m->Description);
        Num1[0]->setValue(m->Width);
        Num1[1]->setValue(m->Height);
        Num1[2]->setValue(m->CountDrawn);
        Num1[3]->setValue(m->CountMirrored);
        Combo1[0]->setText(m->TimberType);
        Num1[4]->setValue(m->FrameThickness);
        Num1[5]->setValue(m->FrameWidth);
        Num1[6]->setValue(m->MullionThickness);
        Num1[7]->setValue(m->TransomThickness);
        WK2->setChecked(m->ResistanceClass2);
        const int k = ShapeCodes::basicShapeOf(m->ShapeCode);
        if (k >= 0) {
            CurrentBasicCode = ShapeCodes::basicCode(k);
            ShowShapeButtons(k);
        }
        return;
    }
    m->Mark = Text1[0]->text();
    Text1[1]->clear();
    Num1[0]->clearValue();
    Num1[1]->clearValue();
    Num1[3]->clearValue();
    Num1[2]->setValue(Num1[2]->minimum());
    Combo1[0]->setText(s.DefaultTimberType);
    Num1[4]->setValue(s.DefaultFrameThickness);
    Num1[5]->setValue(s.DefaultFrameWidth);
    Num1[6]->setValue(s.DefaultMullionThickness);
    Num1[7]->setValue(s.DefaultTransomThickness);
    WK2->setChecked(false);
}

void HoofdScherm::DeleteFrameRecord()
{
    ProjectState &s = Project();
    if (s.MarkCount <= 1) {
        s.FrameRecords = QList<FrameRecord>{FrameRecord()};
        Text1[0]->clear();
        Text1[0]->setFocus();
        s.CurrentMarkIndex = 0;
        s.MarkCount = 0;
    } else {
        const int index = s.CurrentMarkIndex;
        s.FrameRecords.resize(s.marksInUse());
        if (index >= 0 && index < s.FrameRecords.size()) s.FrameRecords.removeAt(index);
        s.MarkCount = int16(s.FrameRecords.size());
        if (s.CurrentMarkIndex >= s.MarkCount) s.CurrentMarkIndex = int16(s.MarkCount - 1);
    }
    s.ProjectDirty = true;
    UpdateButtonStates();
}

void HoofdScherm::UpdateButtonStates()
{
    const int marks = Project().MarkCount;
    for (int k = 0; k < 4; ++k) Command1[k]->setEnabled(marks >= 2);
    Command1[4]->setEnabled(marks >= 1);
    Command1[5]->setEnabled(marks >= 1);
    Command3[1]->setEnabled(marks >= 1);
    frame->Save->setEnabled(marks >= 1);
    frame->SaveAs->setEnabled(marks >= 1);
    frame->Send->setEnabled(marks >= 1);
}

void HoofdScherm::OpenFile()
{
    ProjectState &s = Project();
    if (s.MarkCount > 0) {
        KeepLookedUpLabel();
        SaveRec();
    }
    if (!askToSaveChanges()) {
        UpdateButtonStates();
        return;
    }
    QString initDir = QDir::currentPath();
    QString filter = ProjectOpenFilter();
    const QString chosen = ShowOpenDialog(this, initDir, filter, QString(), 0);
    if (!chosen.isEmpty()) {
        const QString previous = s.ProjectFileName;
        s.ProjectFileName = chosen;
        if (LoadProject(s, *this)) {
            s.ProjectDirty = false;
            ShowFrameRecord();
        } else {
            s.ProjectFileName = previous; // a refused file leaves the open project as it was
        }
    }
    UpdateButtonStates();
}

// ---- Shape buttons ----

void HoofdScherm::ShowShapeButtons(int selected)
{
    for (int k = 0; k < ShapeCodes::BasicShapeCount; ++k) {
        QPushButton *b = Command2[k];
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, k == selected ? SelectedShape : palette().color(QPalette::Button));
        b->setPalette(pal);
        // A missing or unreadable picture leaves the button without one.
        const QString path = findFile(ShapeCodes::pictureFile(k, k == selected));
        const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
        b->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
    }
}

bool HoofdScherm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int k = 0; k < ShapeCodes::BasicShapeCount; ++k)
            if (watched == Command2[k]) Command2_GotFocus(k);
    }
    return Form::eventFilter(watched, event);
}

void HoofdScherm::Command2_GotFocus(int index)
{
    FocusedShapeButton = index;
    ShowShapeButtons(index);
}

void HoofdScherm::Command2_Click(int index)
{
    if (index < 0 || index >= ShapeCodes::BasicShapeCount) return;
    FocusedShapeButton = index; // a click gives the button the focus first
    if (Num1[0]->value() == 0) {
        MsgBox("Ongeldige breedte van het kozijn !", MsgStyle::Exclamation, ErrorTitle);
        Num1[0]->setFocus();
        return;
    }
    if (Num1[1]->value() == 0) {
        MsgBox("Ongeldige hoogte van het kozijn !", MsgStyle::Exclamation, ErrorTitle);
        Num1[1]->setFocus();
        return;
    }
    ProjectState &s = Project();
    if (s.MarkCount <= 0) return;
    FrameRecord *m = s.currentMark();
    if (!m) return;
    KeepLookedUpLabel();
    SaveRec();

    const QString code = ShapeCodes::basicCode(index);
    if (m->ShapeCode.isEmpty()) {
        CurrentBasicCode = code;
        m->ShapeCode = code;
    } else if (CurrentBasicCode != code) {
        if (MsgBox("Wilt u de vorm van het kozijn wijzigen ?", MsgStyle::Question | MsgStyle::YesNo, "Zandrel tofmaar")
            == MsgAnswer::Yes) {
            CurrentBasicCode = code;
            m->ShapeCode = code;
            s.NewShapePending = true;
            s.ShapeChanged = true;
        } else {
            ShowShapeButtons(LastShapeButton);
            FocusedShapeButton = LastShapeButton;
            Command2[LastShapeButton]->setFocus();
        }
    }
    // A loose window or door has no frame; a declined change keeps the thickness of the mark's own shape.
    if (ShapeCodes::isLoose(m->ShapeCode)) m->FrameThickness = 0;
    LastShapeButton = index;
    OpenShapeWindow(index);
}

SubVorm *HoofdScherm::shapeWindowOpen() const { return shapeWindow; }

void HoofdScherm::OpenShapeWindow(int)
{
    // Activating this screen closes a shape window; one opened from code goes the same way.
    if (shapeWindow) shapeWindow->unload();
    shapeWindow = new SubVorm([this] { return FocusedShapeButton; }, frame);
    if (shapeWindow->load()) shapeWindow->show();
}

void HoofdScherm::Command3_Click(int index)
{
    if (index == 1) frame->Send_Click();
}
