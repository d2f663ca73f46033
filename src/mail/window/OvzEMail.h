#pragma once
// The mail-log overview: every line of "EMail.log" in a grid, "Log wissen" to delete the log and
// "Sluiten". MailLogOverviewOpen is set from its load to its unload; the marks overview waits on it.
#include "forms/Form.h"

#include <array>

class GridModel;
class GridView;
class QFrame;
class QPushButton;

class OvzEMail : public Form {
    Q_OBJECT
public:
    // Makes, loads and shows the window; nullptr when it did not stay loaded.
    static OvzEMail *Show(QWidget *owner);

    explicit OvzEMail(QWidget *owner);

    GridView *Grid1 = nullptr;
    GridModel *grid = nullptr;
    QFrame *Frame1 = nullptr;
    std::array<QPushButton *, 2> Command1{};

    void Command1_Click(int index);
    void Form_KeyDown(int keyCode) override;

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    bool unloadsOnEscape() const override { return true; }
    void keyPressEvent(QKeyEvent *event) override; // Enter closes the window as Esc does

private:
    void SetupMailLogGrid();
    void FillMailLogGrid();
    void fitGrid();
};
