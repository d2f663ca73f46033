#pragma once
// The main screen: the mark on screen with its sizes, the user's personal and mail data, the mark
// buttons, the ten shape buttons and the send button. The program starts with its load and ends
// with its unload. It shows and stores; the mark list, the catalogue and the checks decide. The
// personal data and the mail method live in the project: the screen shows them and writes an edit
// back as the field is left.
#include "MainScreen.h"
#include "model/Records.h"

#include <QPointer>
#include <array>

class ChoiceList;
class NumericField;
class QCheckBox;
class QPushButton;
class TextField;

class HoofdScherm : public MainScreen {
    Q_OBJECT
public:
    // Made inside the frame window `frame`, which also owns the windows it opens.
    explicit HoofdScherm(QWidget *frame);

    // Text1: 0 mark, 1 description, 2 to 12 the personal data (customer number, company, contact,
    // address, postcode, town, telephone, fax, project description, e-mail address, mail server).
    enum { MarkField = 0, DescriptionField = 1 };
    std::array<TextField *, 13> Text1{};
    // Num1: 0 width, 1 height, 2 count drawn, 3 count mirrored, 4 frame timber thickness,
    // 5 frame timber width, 6 mullion thickness, 7 transom thickness.
    enum { WidthField, HeightField, CountDrawnField, CountMirroredField, FrameThicknessField, FrameWidthField,
           MullionField, TransomField };
    std::array<NumericField *, 8> Num1{};
    enum { TimberList, MailMethodList };
    std::array<ChoiceList *, 2> Combo1{};
    QCheckBox *WK2 = nullptr;
    enum MarkButton { FirstMark, PreviousMark, NextMark, LastMark, DeleteMark, OverviewButton, NewMark };
    std::array<QPushButton *, 7> Command1{};
    std::array<QPushButton *, 10> Command2{}; // the shape buttons
    enum { HelpPointerButton, SendButton };
    std::array<QPushButton *, 2> Command3{};

    // The basic code of the mark last shown or given a shape, and the last shape button clicked.
    QString CurrentBasicCode;
    int LastShapeButton = 0;
    // The shape button that has the focus here: the shape window shows the variants of its row.
    int FocusedShapeButton = -1;
    // The shape window this screen opened, while it is loaded.
    Form *shapeWindowOpen() const;

    void Command1_Click(int index);
    void Command2_GotFocus(int index);
    void Command2_Click(int index);
    void Command3_Click(int index);
    void Text1_LostFocus(int index);

    // False when the label typed becomes no mark.
    bool OfferNewMark();
    void SaveRec();
    void ShowFrameRecord();
    void UpdateButtonStates();
    void ShowShapeButtons(int selected);
    void OpenFile() override;
    void MenuHelp() override;
    // The label typed looked up, then the mark on screen and the personal data into the project.
    bool takeScreenEdits() override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool &cancel) override;
    std::optional<HelpTopic> helpTopic() const override { return HelpTopic::Main; }
    bool unloadsOnEscape() const override { return true; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void loadPersonalData();
    void loadFactoryDefaults();
    void showPersonalData();
    void storePersonalData();
    // A label typed into the mark field but not looked up yet (a command left the field without
    // moving the focus) is looked up as leaving the field does, so that storing the screen never
    // renames a mark. False when the label found no mark and the user made none.
    bool lookUpTypedMark();
    bool lookUpMark();
    // The fields of the mark on screen other than its label go into the record.
    void storeFieldsExceptLabel(FrameRecord &record);
    void showNewMarkDefaults();
    void checkSize(int field, bool &cancel);
    void checkEMail(bool &cancel);
    void openShapeWindow();

    QPointer<Form> shapeWindow;
    bool leavingMarkField = false;
    bool keepPersonalDataFile = false; // PersGeg.Txt was not read whole: the shut-down leaves it alone
};
