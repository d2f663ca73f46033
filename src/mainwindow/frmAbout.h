#pragma once
// The About box: the program's title and version, and the carpentry factory the user works with,
// with links to its web site and e-mail address.
#include "forms/Form.h"

class Hyperlink;
class QLabel;
class QPushButton;

class frmAbout : public Form {
    Q_OBJECT
public:
    // The loaded About box, made and loaded (owned by the frame window) when there is none.
    static frmAbout *window();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblDescription = nullptr;
    Hyperlink *Hyperlink1 = nullptr;
    Hyperlink *Hyperlink2 = nullptr;
    QPushButton *CmdOK = nullptr;

    void CmdOK_Click();

protected:
    explicit frmAbout(QWidget *owner);
    void Form_Load() override;
    bool unloadsOnEscape() const override { return true; }
};
