#pragma once
// The shape window: the variant buttons of the mark's basic shape, the shape picture with the
// overall sizes printed on it and the clear-size inputs placed on its members, and "Vakvulling",
// which checks and completes the rows, builds the mark's compartments, keeps the sizes and opens
// the drawing window. It works on the current mark of the project.
//
// The frame drawing reads the width inputs B(0) and B(1) through ShapeWidthInputs while this
// window stays open beneath the drawing window.
#include "LabelFonts.h"
#include "forms/Form.h"
#include "shape/ShapeWidthInputs.h"

#include <array>
#include <functional>

class NumericField;
class QPushButton;

class SubVorm : public Form, public ShapeWidthInputs {
    Q_OBJECT
public:
    // The index (0 to 9) of the main screen's shape button that has the focus there: the button
    // pressed to open this window, or the one of the mark's shape after a declined change.
    using ShapeButtonSource = std::function<int()>;

    explicit SubVorm(ShapeButtonSource shapeButton, QWidget *parent = nullptr);
    ~SubVorm() override;

    std::array<QPushButton *, 9> Command1{}; // the variant buttons
    QPushButton *Command2 = nullptr;         // "Vakvulling"
    ShapePicture *Pic1 = nullptr;
    std::array<NumericField *, 4> L{}; // row 0: left clear heights, top to bottom
    std::array<NumericField *, 5> B{}; // row 1: clear widths, left to right
    std::array<NumericField *, 6> R{}; // row 2: right clear heights, top to bottom
    std::array<NumericField *, 2> M{}; // row 3: middle clear heights, top to bottom

    void ShowSubShapeButtons();
    void LayoutShape();
    void ShowClearSizeInputs(int nL, int nB, int nR, int nM);
    // The mark's stored clear sizes into the inputs; false, told and nothing loaded, when the
    // inputs cannot show them.
    bool LoadClearSizeInputs();

    void Command1_Click(int index);
    // Checks and keeps the sizes, then asks for the drawing window.
    void Command2_Click();

    // The basic shape whose variants are shown: that of the mark's code, the pressed button's for
    // a mark without one.
    int basicShape() const;
    // The path of the shape bitmap looked up last ("" for a code outside the 43).
    QString bitmapPath() const { return bitmapPath_; }
    const LabelFonts &labelFonts() const { return fonts; }

    // The 17 inputs as one set (an empty input reads as 0), and back: an input is rewritten only
    // where its value changes, and 0 shows as an empty input.
    ClearSizeSet clearSizeInputs() const;
    void setClearSizeInputs(const ClearSizeSet &sizes);
    NumericField *input(int row, int index) const;

    // ShapeWidthInputs: B(index) as it stands.
    double widthInput(int index) const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool &cancel) override;
    std::optional<HelpTopic> helpTopic() const override { return HelpTopic::Shape; }
    bool unloadsOnEscape() const override { return true; }

private:
    void buildControls();
    void showPicture(const QString &code);

    ShapeButtonSource shapeButton;
    LabelFonts fonts;
    QString bitmapPath_;
    ClearSizeSet setByProgram_; // what the program last put into the clear-size inputs
};
