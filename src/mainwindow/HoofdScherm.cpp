#include "HoofdScherm.h"

#include "HelpBalloons.h"
#include "forms/WindowWait.h"
#include "model/Catalogue.h"
#include "model/Checks.h"
#include "model/MarkDefaults.h"
#include "model/MarkList.h"
#include "model/PersonalData.h"
#include "model/ProjectCommands.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "platform/TextFile.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"
#include "shape/BasicShapeChoice.h"
#include "shape/ShapeCodes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QPushButton>
#include <algorithm>

namespace {
const QColor SelectedShape(0, 200, 255);

// The numeric fields and the mark's sizes and counts they show.
const std::pair<int, int16 FrameRecord::*> MarkNumbers[] = {
    {HoofdScherm::WidthField, &FrameRecord::Width},
    {HoofdScherm::HeightField, &FrameRecord::Height},
    {HoofdScherm::CountDrawnField, &FrameRecord::CountDrawn},
    {HoofdScherm::CountMirroredField, &FrameRecord::CountMirrored},
    {HoofdScherm::FrameThicknessField, &FrameRecord::FrameThickness},
    {HoofdScherm::FrameWidthField, &FrameRecord::FrameWidth},
    {HoofdScherm::MullionField, &FrameRecord::MullionThickness},
    {HoofdScherm::TransomField, &FrameRecord::TransomThickness},
};

// A new mark's sizes and mirrored count are not given yet: their fields show empty, not 0.
const int NotGivenYet[] = {HoofdScherm::WidthField, HoofdScherm::HeightField, HoofdScherm::CountMirroredField};

// The numeric fields that show the factory's default sizes at the start.
const std::pair<int, std::optional<int16> MarkDefaults::*> DefaultSizes[] = {
    {HoofdScherm::FrameThicknessField, &MarkDefaults::frameThickness},
    {HoofdScherm::FrameWidthField, &MarkDefaults::frameWidth},
    {HoofdScherm::MullionField, &MarkDefaults::mullionThickness},
    {HoofdScherm::TransomField, &MarkDefaults::transomThickness},
};
}

HoofdScherm::HoofdScherm(QWidget *frame) : MainScreen(frame)
{
    setObjectName("HoofdScherm");
    setWindowTitle("Velbrant Automatisering");
    buildControls();
}

// ---- Start-up and shut-down ----

void HoofdScherm::Form_Load()
{
    if (const auto missing = Catalogue::missingRequiredFile()) {
        MsgBox(*missing, MsgStyle::Critical + MsgStyle::OK, ErrorTitle);
        endProgram(1);
        return;
    }
    loadPersonalData();
    Combo1[TimberList]->clearEntries();
    for (const QString &timber : Catalogue::timberTypes()) Combo1[TimberList]->addEntry(timber);
    loadFactoryDefaults();
    ProjectState &s = Project();
    s.ProjectDirty = false;
    s.CurrentMarkIndex = 0;
    s.MarkCount = 0;
    s.ShapeChanged = false;
    ShowShapeButtons(-1);
    RegisterFormLevel();
    UpdateButtonStates();
}

void HoofdScherm::loadPersonalData()
{
    for (const QString &method : mailMethodNames()) Combo1[MailMethodList]->addEntry(method);
    const PersonalDataFile file = readPersonalDataFile(Text1[FirstPersonalField]->maxLength());
    for (int i = 0; i < file.fields.size(); ++i) Text1[FirstPersonalField + i]->setText(file.fields[i]);
    if (file.mailMethod) Combo1[MailMethodList]->setListIndex(int(*file.mailMethod));
    // The project takes what the fields hold.
    storePersonalData();
    keepPersonalDataFile = file.keep;
    if (!file.problem.isEmpty()) MsgBox(file.problem, MsgStyle::Exclamation, ErrorTitle);
}

void HoofdScherm::loadFactoryDefaults()
{
    QStringList timbers;
    for (int i = 0; i < Combo1[TimberList]->entryCount(); ++i) timbers << Combo1[TimberList]->entry(i);
    const Catalogue::FactoryDefaults factory = Catalogue::factoryDefaults(timbers);
    Catalogue::applyFactoryDefaults(Project(), factory);
    // A field whose line the file lacks keeps what it shows.
    const MarkDefaults d = markDefaults(factory);
    if (d.timberType) Combo1[TimberList]->setText(*d.timberType);
    for (const auto &[field, size] : DefaultSizes)
        if (d.*size) Num1[field]->setValue(*(d.*size));
    if (d.resistanceClass2) WK2->setChecked(*d.resistanceClass2);
}

void HoofdScherm::Form_Unload(bool &cancel)
{
    QCoreApplication::processEvents();
    // The windows above do their own unload work first (a remark typed in the drawing window is stored).
    CloseFormsAbove();
    if (!takeScreenEdits() || !askToSaveChanges(Project())) {
        cancel = true;
        return;
    }
    if (!keepPersonalDataFile)
        if (const QString failed = writePersonalDataFile(Project().Personal, Project().MailMethod); !failed.isEmpty())
            MsgBox(failed, MsgStyle::Exclamation, ErrorTitle);
    ReleaseFormLevel();
    endProgram(0);
}

void HoofdScherm::Form_Activate() { UpdateButtonStates(); }

void HoofdScherm::MenuHelp() { windowOpener().showHelp(HelpTopic::Main, this); }

// ---- Field checks ----

void HoofdScherm::checkSize(int field, bool &cancel)
{
    const FrameSize size = field == WidthField ? FrameSize::Width : FrameSize::Height;
    if (const QString problem = checkFrameSize(Project(), size, Num1[field]->value()); !problem.isEmpty()) {
        MsgBox(problem, MsgStyle::Exclamation, ErrorTitle);
        cancel = true;
    }
}

void HoofdScherm::checkEMail(bool &cancel)
{
    if (const QString problem = checkEMailField(Text1[EMailField]->text()); !problem.isEmpty()) {
        MsgBox(problem, MsgStyle::Exclamation, "Foutmelding");
        cancel = true;
    }
}

// ---- The personal data ----

void HoofdScherm::showPersonalData()
{
    const ProjectState &s = Project();
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i) Text1[i]->setText(s.Personal.field(i));
}

void HoofdScherm::storePersonalData()
{
    ProjectState &s = Project();
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i) s.Personal.setField(i, Text1[i]->text());
    s.MailMethod = mailMethodAt(Combo1[MailMethodList]->listIndex());
}

bool HoofdScherm::takeScreenEdits()
{
    if (!lookUpTypedMark()) return false;
    SaveRec();
    storePersonalData();
    return true;
}

// ---- The mark list ----

void HoofdScherm::Command1_Click(int index)
{
    if (helpClick("Command1", index)) return;
    if (!lookUpTypedMark()) return;
    MarkList marks(Project());
    SaveRec();
    switch (index) {
    case FirstMark: marks.move(MarkList::Move::First); break;
    case PreviousMark: marks.move(MarkList::Move::Previous); break;
    case NextMark: marks.move(MarkList::Move::Next); break;
    case LastMark: marks.move(MarkList::Move::Last); break;
    case DeleteMark:
        if (askToDeleteMark(Project(), Text1[MarkField]->text())) {
            if (Project().MarkCount == 0) {
                Text1[MarkField]->clear();
                Text1[MarkField]->setFocus();
            }
            UpdateButtonStates();
        }
        break;
    case OverviewButton: {
        // The overview reports back through the project: a picked row sets CurrentMarkIndex.
        const QPointer<Form> overview = windowOpener().open(WindowKind::MarksOverview, this);
        waitWhileOpen(Project().MarkOverviewOpen, overview);
        if (overview) overview->unload();
        break;
    }
    case NewMark:
        Text1[MarkField]->setText(nextMarkLabel(Project(), Text1[MarkField]->text()));
        if (!Text1[MarkField]->text().isEmpty()) OfferNewMark();
        break;
    default: break;
    }
    ShowFrameRecord();
}

void HoofdScherm::Text1_LostFocus(int index)
{
    if (index >= FirstPersonalField && index <= LastPersonalField) {
        Project().Personal.setField(index, Text1[index]->text());
        return;
    }
    if (index != MarkField) return;
    leavingMarkField = true;
    lookUpMark();
    leavingMarkField = false;
}

bool HoofdScherm::lookUpTypedMark()
{
    const FrameRecord *shown = Project().MarkCount > 0 ? Project().currentMark() : nullptr;
    const QString typed = Text1[MarkField]->text();
    if (shown ? typed == shown->Mark : typed.isEmpty()) return true;
    leavingMarkField = true;
    const bool taken = lookUpMark();
    leavingMarkField = false;
    return taken;
}

bool HoofdScherm::lookUpMark()
{
    ProjectState &s = Project();
    if (Text1[MarkField]->text().isEmpty()) Text1[MarkField]->setText(NextMarkName(QString()));
    if (s.MarkCount == 0) return OfferNewMark();
    FrameRecord *shown = s.currentMark();
    const QString label = Text1[MarkField]->text();
    if (shown && label == shown->Mark) return true;
    // Going to another mark keeps what was typed for the one on screen (but not the new label).
    if (shown) storeFieldsExceptLabel(*shown);
    const int found = MarkList(s).find(label);
    if (found < 0) return OfferNewMark();
    s.CurrentMarkIndex = int16(found);
    ShowFrameRecord();
    return true;
}

bool HoofdScherm::OfferNewMark()
{
    MarkList marks(Project());
    const bool made = askToMakeMark(Project(), Text1[MarkField]->text());
    if (made) {
        Text1[DescriptionField]->setFocus();
    } else {
        Text1[MarkField]->setText(marks.currentLabel());
        // Refused while leaving the mark field, the focus goes where the user went: sending it back
        // would ask again at every move and keep the user in the field.
        if (!leavingMarkField) Text1[MarkField]->setFocus();
    }
    UpdateButtonStates();
    ShowFrameRecord();
    return made;
}

void HoofdScherm::storeFieldsExceptLabel(FrameRecord &m)
{
    m.Description = Text1[DescriptionField]->text();
    for (const auto &[field, member] : MarkNumbers) m.*member = int16(Num1[field]->value());
    keepLooseWithoutFrame(m);
    m.TimberType = Combo1[TimberList]->text();
    m.ResistanceClass2 = WK2->isChecked();
}

void HoofdScherm::SaveRec()
{
    ProjectState &s = Project();
    FrameRecord *m = s.MarkCount > 0 ? s.currentMark() : nullptr;
    if (!m) return;
    m->Mark = Text1[MarkField]->text();
    storeFieldsExceptLabel(*m);
}

void HoofdScherm::ShowFrameRecord()
{
    ProjectState &s = Project();
    FrameRecord *m = s.MarkCount > 0 ? s.currentMark() : nullptr;
    if (!m) return;
    if (m->Mark.isEmpty()) {
        m->Mark = Text1[MarkField]->text();
        showNewMarkDefaults();
        return;
    }
    Text1[MarkField]->setText(m->Mark);
    Text1[DescriptionField]->setText(m->Description);
    for (const auto &[field, member] : MarkNumbers) Num1[field]->setValue(m->*member);
    Combo1[TimberList]->setText(m->TimberType);
    WK2->setChecked(m->ResistanceClass2);
    const int k = ShapeCodes::basicShapeOf(m->ShapeCode);
    if (k >= 0) {
        CurrentBasicCode = ShapeCodes::basicCode(k);
        ShowShapeButtons(k);
    }
}

void HoofdScherm::showNewMarkDefaults()
{
    const FrameRecord m = newMark(Project(), Text1[MarkField]->text());
    Text1[DescriptionField]->setText(m.Description);
    for (const auto &[field, member] : MarkNumbers) {
        if (std::ranges::find(NotGivenYet, field) != std::end(NotGivenYet))
            Num1[field]->clearValue();
        else
            Num1[field]->setValue(m.*member);
    }
    Combo1[TimberList]->setText(m.TimberType);
    WK2->setChecked(m.ResistanceClass2);
}

void HoofdScherm::UpdateButtonStates()
{
    const int marks = Project().MarkCount;
    for (int k : {FirstMark, PreviousMark, NextMark, LastMark}) Command1[k]->setEnabled(marks >= 2);
    Command1[DeleteMark]->setEnabled(marks >= 1);
    Command1[OverviewButton]->setEnabled(marks >= 1);
    Command3[SendButton]->setEnabled(marks >= 1);
    emit markCountChanged(marks);
}

void HoofdScherm::OpenFile()
{
    if (!takeScreenEdits()) return;
    if (openProject(Project(), this)) {
        showPersonalData();
        ShowFrameRecord();
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
        const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap::fromImage(readPicture(path));
        b->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
    }
}

bool HoofdScherm::eventFilter(QObject *watched, QEvent *event)
{
    // The focus that comes back with the window's activation or a closed menu is no move to the
    // button: after "Openen..." it would select the button pressed last over the loaded mark's own.
    const auto returning = [](const QEvent *e) {
        const Qt::FocusReason reason = static_cast<const QFocusEvent *>(e)->reason();
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    };
    if (event->type() == QEvent::FocusIn && !returning(event)) {
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
    if (helpClick("Command2", index)) return;
    if (!lookUpTypedMark()) return;
    if (const auto problem = checkSizesForShape(Num1[WidthField]->value(), Num1[HeightField]->value())) {
        MsgBox(problem->message, MsgStyle::Exclamation, ErrorTitle);
        Num1[problem->size == FrameSize::Width ? WidthField : HeightField]->setFocus();
        return;
    }
    ProjectState &s = Project();
    FrameRecord *m = s.MarkCount > 0 ? s.currentMark() : nullptr;
    if (!m || !takeScreenEdits()) return;

    if (!chooseBasicShape(s, *m, CurrentBasicCode, index)) {
        ShowShapeButtons(LastShapeButton);
        FocusedShapeButton = LastShapeButton;
        Command2[LastShapeButton]->setFocus();
    }
    LastShapeButton = index;
    openShapeWindow();
}

Form *HoofdScherm::shapeWindowOpen() const { return shapeWindow; }

void HoofdScherm::openShapeWindow()
{
    // Activating this screen closes a shape window; one opened from code goes the same way.
    if (shapeWindow) shapeWindow->unload();
    WindowNeeds needs;
    needs.shapeButton = [this] { return FocusedShapeButton; };
    shapeWindow = windowOpener().open(WindowKind::Shape, this, needs);
}

void HoofdScherm::Command3_Click(int index)
{
    if (index == HelpPointerButton) {
        HelpPointer::toggle();
        return;
    }
    if (helpClick("Command3", index)) return;
    if (index == SendButton) emit sendRequested();
}
