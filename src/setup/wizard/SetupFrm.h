#pragma once
// The installer's wizard: welcome, target folder, Start-menu folder, ready, progress, finish.
#include "forms/Form.h"
#include "setup/Installation.h"

#include <QStringList>
#include <array>

class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace SetupFrmText {
inline const QString Caption = QStringLiteral("Setup - Zandrel Tofmaar");
// The title of the messages that name none of their own.
inline const QString AppTitle = QStringLiteral("Setup");
inline const QString ExitQuestion = QStringLiteral(
    "Setup is niet voltooid. Als u nu afsluit, wordt het programma niet geïnstalleerd.\r\n\r\n"
    "U kunt Setup later opnieuw uitvoeren om de installatie te voltooien.\r\n\r\nSetup afsluiten ?");
// Asked on the target page when the uninstall entry names an installation in another folder.
inline QString InstalledElsewhere(const QString &other, const QString &target)
{
    return "Zandrel Tofmaar is al geïnstalleerd in een andere map:\r\n      " + other
         + "\r\n\r\nAls u doorgaat, wordt het ook geïnstalleerd in:\r\n      " + target
         + "\r\n\r\nDe bestaande installatie blijft staan. Elke installatie verwijdert u met haar eigen "
           "\"Verwijder Zandrel tofmaar\".\r\n\r\nToch doorgaan ?";
}
// The other installation's menu entries would be overwritten by this one's.
inline QString MenuFolderTaken(const QString &folder, const QString &other)
{
    return "In de menu Start map \"" + folder + "\" staan de snelkoppelingen van de installatie in:\r\n      " + other
         + "\r\n\r\nKies een andere menu Start map.";
}
// Bladeren on the Start-menu page picked a folder that is not part of the menu.
inline QString MenuFolderOutside(const QString &chosen, const QString &programs)
{
    return "De snelkoppelingen kunnen alleen in een map van het menu Start staan:\r\n      " + programs
         + "\r\n\r\nDe gekozen map ligt daarbuiten:\r\n      " + chosen + "\r\n\r\nKies een map in het menu Start.";
}
inline const QString NotAllDone = QStringLiteral("De installatie is voltooid, maar het volgende is niet gelukt:");
inline const QString Stopped = QStringLiteral("De installatie is gestopt, want ");
inline const QString RemoveQuestion = QStringLiteral("Wilt u verwijderen wat Setup tot nu toe heeft geïnstalleerd ?");
}

// Qt's file dialog keeps its state (history, last folder) in the user's QtProject.conf; setup leaves
// nothing of the kind in the home folder: Qt's settings of this process go to `folder` instead.
void keepQtSettingsIn(const QString &folder);

class SetupFrm : public Form {
    Q_OBJECT
public:
    // commandLine: the folder that holds "ZanTof.zip", or "" for the current folder.
    explicit SetupFrm(const QString &commandLine = QString(), QWidget *parent = nullptr);
    ~SetupFrm() override;

    void Command1_Click(int index);
    void CmdBrowse_Click(int index);
    // Starts the installation: its unpack and the components' registration run on a thread of their
    // own, so the window keeps painting and "Annuleren" keeps working.
    void CmdInstall_Click();
    void CmdFinish_Click();
    // The unpack's notifications, on the window's thread.
    void Zip1_Progress(int percent);
    void Zip1_Completed();

    // From "Installeren" until the installation has finished or stopped.
    bool installing() const { return installing_; }
    // Waits for the unpack's thread (the unpack and the registration) to end, without handling
    // events; its completion stays queued.
    void waitForUnpack();

    int CurrentStep = 0;
    QString MessageText;
    QString ShortcutFolder;
    int ExitAnswer = 0;
    QString FormerDirectory;
    // The folder of the installation the uninstall entry names, when the user chose to install
    // beside it; "" otherwise.
    QString OtherInstallation;

    std::array<QFrame *, 6> Frame1{};
    std::array<QPushButton *, 3> Command1{};
    std::array<QPushButton *, 2> CmdBrowse{};
    std::array<QLineEdit *, 2> Text1{};
    QPlainTextEdit *Summary = nullptr; // the ready page's summary field
    std::array<QLabel *, 20> Label1{};
    QPushButton *CmdInstall = nullptr;
    QPushButton *CmdFinish = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    // Enter presses the page's default button, Esc "Annuleren".
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The pages, in order, and the row of buttons beneath them.
    QFrame *welcomePage();
    QFrame *targetPage();
    QFrame *menuPage();
    QFrame *readyPage();
    QFrame *progressPage();
    QFrame *finishPage();
    QHBoxLayout *buttonRow();
    QFrame *bandPage(QLabel *title, QLabel *text);
    QFrame *headPage(const QString &title, const QString &subtitle, QVBoxLayout *&body);
    void folderRow(int index, QVBoxLayout *body);
    // A label of the pages' texts, the next of Label1.
    QLabel *pageLabel(const QString &text);

    bool ValidateStep();
    void showStep();
    QPushButton *defaultButton() const;
    bool confirmOtherInstallation(const QString &folder);
    bool menuFolderFree(const QString &name);
    void refuse(const QString &text);
    QString target() const;
    // Says why the installation stopped, offers to undo what it wrote, and ends the program.
    void stopInstall(const QString &reason, const QString &detail);
    void flushQueuedInput();

    QString commandLine_;
    int nextLabel_ = 2;
    Installation installation_;
    bool installing_ = false, asking_ = false, completionPending_ = false, abandoned_ = false;
    bool finishing_ = false, closeRequested_ = false;
};
