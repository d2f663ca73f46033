#pragma once
// The marks overview: every mark of the project in a grid. A click on a row picks that mark for the
// main screen, Enter takes the current row and closes, Esc closes. Its buttons send the drawings,
// show the mail log, and close. The main screen waits on MarkOverviewOpen while it is in use.
#include "forms/Form.h"

#include <array>

class GridModel;
class GridView;
class QGroupBox;
class QPushButton;

class OvzMerken : public Form {
    Q_OBJECT
public:
    // Loads and shows the overview, owned by `owner`; nullptr when it did not stay loaded.
    static OvzMerken *Show(QWidget *owner);

    explicit OvzMerken(QWidget *owner);

    GridView *Grid1 = nullptr;
    GridModel *gridModel = nullptr;
    std::array<QGroupBox *, 2> Frame1{};    // 0 the grid, 1 the buttons
    std::array<QPushButton *, 3> Command1{}; // 0 send, 1 mail log, 2 close

    void Command1_Click(int index);
    void Form_KeyDown(int keyCode) override;
    void Grid1_RowClick(int row);

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    bool unloadsOnEscape() const override { return true; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetupMarkGrid();
    void FillMarkGrid();
};
