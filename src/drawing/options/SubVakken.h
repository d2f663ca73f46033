#pragma once
// The options window of the compartment selected in the drawing window: opening direction,
// glazing, vent grille and its leaf, glazing bars and their pane, breast wall, toughened glass and
// insect screen. Every choice is written into the compartment at once and the drawing window
// redraws it; there is no cancel. "O.K." closes the window and moves the drawing window on to the
// next compartment. The window closes with the drawing window that opened it.
#include "drawing/CompartmentOptions.h"
#include "drawing/CompartmentSelection.h"
#include "forms/Form.h"
#include "model/Records.h"

#include <QPointer>
#include <array>

class ChoiceList;
class NumericField;
class QCheckBox;
class QGroupBox;
class QLabel;
class QToolButton;
class QPushButton;

class SubVakken : public Form {
    Q_OBJECT
public:
    // Makes, loads and shows the window over the drawing window `drawing` (owned by `owner`);
    // nullptr when it did not stay loaded.
    static SubVakken *Show(CompartmentSelection *drawing, QWidget *owner = nullptr);

    SubVakken(CompartmentSelection *drawing, QWidget *owner = nullptr);

    // The controls, under their names.
    std::array<QGroupBox *, 9> Frame1{};
    std::array<QGroupBox *, 5> Frame2{};
    std::array<QToolButton *, CompartmentOptions::DirectionButtonCount> Command1{};
    // "O.K." takes the index after the direction buttons.
    static constexpr int OkButton = CompartmentOptions::DirectionButtonCount;
    QPushButton *OK = nullptr; // Command1(OkButton)
    std::array<ChoiceList *, 6> Combo1{};
    std::array<QCheckBox *, 2> Check1{};
    std::array<NumericField *, 2> Num1{};

    int highlightedButton() const { return HighlightedButton; }

    // The handlers, public so that a test drives them as the user's clicks do.
    void Command1_Click(int index);
    void Command1_GotFocus(int index);

protected:
    void Form_Load() override;
    std::optional<HelpTopic> helpTopic() const override { return HelpTopic::Options; }
    bool unloadsOnEscape() const override { return true; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void FillVentGrilleLists();
    void FillGlazingBarList();
    void LoadBreastWallList();
    void LoadScreenList();
    // Wider where a text of a list, a label or a box would be cut in the font at hand.
    void fitWidth();

    void Combo1_Click(int index);
    void Check1_Click(int index);
    void Num1_Change();

    // The compartment the drawing window shows now; nullptr when its number names none.
    CompartmentRecord *compartment() const;
    // What the window offers for that compartment.
    CompartmentOptions::Offered offered() const;
    void redraw();

    std::array<QLabel *, 2> countLabels_{};
    CompartmentSelection *drawing_ = nullptr;
    int HighlightedButton = 0;
};
