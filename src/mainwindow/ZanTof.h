#pragma once
// The frame window: the program's outer window with the menu. It holds the main screen and has no
// start-up or shut-down work of its own; closing it closes the main screen, whose shut-down ends
// the program or keeps both open.
#include "forms/Form.h"

class MainScreen;
class QAction;
class QMenu;
class QMenuBar;

class ZanTof : public Form {
    Q_OBJECT
public:
    explicit ZanTof(QWidget *parent = nullptr);

    // The main screen takes its place in the frame, before it is loaded.
    void setMainScreen(MainScreen *screen);
    MainScreen *mainScreen() const { return main; }

    // The send command: confirmation, the screen's edits taken, the project and the mail data checked.
    void Send_Click();

    QMenuBar *menuBar = nullptr;
    QMenu *Menu = nullptr;
    QAction *Nieuw = nullptr;
    QAction *Openen = nullptr;
    QAction *Sep1 = nullptr;
    QAction *Save = nullptr;
    QAction *SaveAs = nullptr;
    QAction *Sep2 = nullptr;
    QAction *Send = nullptr;
    QAction *Afsluiten = nullptr;
    QMenu *Info = nullptr;
    QAction *QVHelp = nullptr;
    QAction *About = nullptr;

    void Nieuw_Click();
    void Openen_Click();
    void Save_Click();
    void SaveAs_Click();
    void Afsluiten_Click();
    void QVHelp_Click();
    void About_Click();
    // Save, save-as and send are offered once there is a mark.
    void markCountChanged(int marks);

protected:
    void Form_Unload(bool &cancel) override;

private:
    void saveFromMenu(bool saveAs);

    QWidget *workspace = nullptr;
    MainScreen *main = nullptr;
};
