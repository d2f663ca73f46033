#pragma once
// The drawing window: the current mark's frame to scale, selection of a compartment by click or
// by number, its filling (type, then kind), the mark's colour, cavity batten, sill and remark,
// and the ready check that every compartment is filled.
//
// Whoever opens it (the shape window) hands over its width inputs, which the frame drawing reads
// while the window loads, and itself as the window beneath, which the ready button closes after
// closing this one.
#include "PictureBox.h"
#include "drawing/CompartmentSymbols.h"
#include "drawing/DrawFrame.h"
#include "drawing/CompartmentSelection.h"
#include "forms/Form.h"
#include "platform/ImageCanvas.h"

#include <QPointer>
#include <array>

class ChoiceList;
class NumericField;
class TextField;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

class TekenForm : public Form, public CompartmentSelection {
    Q_OBJECT
public:
    // The canvas as laid out, in twips.
    static constexpr int CanvasWidth = 8490;
    static constexpr int CanvasHeight = 6240;

    // inputs: the shape window's width inputs (read only while the frame is drawn); beneath: the
    // window that the ready button closes after this one.
    explicit TekenForm(const ShapeWidthInputs *inputs = nullptr, Form *beneath = nullptr, QWidget *parent = nullptr);
    ~TekenForm() override;

    // Makes, loads and shows the window on the current mark. nullptr when it did not stay loaded.
    static TekenForm *Show(const ShapeWidthInputs *inputs = nullptr, Form *beneath = nullptr, QWidget *parent = nullptr);

    // The 0-based index of the compartment whose number Num1 holds; -1 when Num1 holds no
    // compartment of the mark (empty, 0, past the last) or there is no mark.
    int selectedCompartment() const;
    // Redraws the selected compartment; nothing without a selected compartment.
    void ReDrawVak() override;

    // Num1, for the options window.
    bool hasCompartmentNumber() const override;
    int compartmentNumber() const override;
    int compartmentNumberMinimum() const override;
    int compartmentNumberMaximum() const override;
    void setCompartmentNumber(int number) override;
    // Wipes the drawing of compartment `index` and clears its filling.
    void ClearVak(int index);

    DrawTools &drawTools() { return tools_; }
    ImageCanvas &canvas() { return canvas_; }
    const FrameDrawingState &frameState() const { return frame_; }

    // The controls, under their names.
    PictureBox *Pic1 = nullptr;
    CompartmentMarker *Shape1 = nullptr;
    enum List { ColourList, BattenList, SillList };
    std::array<ChoiceList *, 3> Combo1{};
    NumericField *Num1 = nullptr;
    TextField *Text1 = nullptr;
    // Command1: the fill types, "Wissen" and "Terug".
    enum TypeButton { DoorButton, WindowButton, GlassButton, PanelButton, EraseButton, BackButton };
    std::array<QPushButton *, 6> Command1{};
    QFrame *PicDeur = nullptr;
    QFrame *PicRaam = nullptr;
    QFrame *PicPaneel = nullptr;
    // Command2: the fill codes of doors, windows and panels (0 to 23), as the fill-code table numbers
    // their buttons, each group's last one "Terug".
    QList<QToolButton *> Command2;
    QPushButton *Command3 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    std::optional<HelpTopic> helpTopic() const override { return HelpTopic::Drawing; }
    bool unloadsOnEscape() const override { return true; }

private:
    void buildControls();
    QFrame *buildCodeBox(const QString &label, const QString &fillType);
    void showCodeBox(QFrame *box);
    void spin(int step);

    void LoadColours();
    void LoadBattens();
    void LoadSills();
    void restoreChoice(int list, const QString &remembered, QString FrameRecord::*field);

    void Combo1_Click(int index);
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command3_Click();
    void Num1_Change();
    void Pic1_MouseDown(int button, int shift, float x, float y);

    // The options window for the selected compartment, after "Glasvak" and after every fill code but a panel's.
    void openOptionsWindow();

    ImageCanvas canvas_;
    DrawTools tools_;
    CompartmentSymbols symbols_{tools_};
    FrameDrawingState frame_;
    const ShapeWidthInputs *inputs_ = nullptr;
    QPointer<Form> beneath_;
    bool FormLoading = false;
};
