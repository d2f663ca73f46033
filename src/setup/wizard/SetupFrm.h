#pragma once
// The installer's wizard: welcome, target folder, Start-menu folder, ready, progress, finish.
#include "forms/Form.h"

#include <QStringList>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace SetupFrmText {
inline const QString Caption = QStringLiteral("Setup - Zandrel Tofmaar");
// The title of the messages that name none of their own.
inline const QString AppTitle = QStringLiteral("Setup");
inline const QString InstallError = QStringLiteral("Er is een fout opgetreden tijdens de installatie. (");
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
}

class SetupFrm : public Form {
    Q_OBJECT
public:
    // commandLine: the folder that holds "ZanTof.zip", or "" for the current folder.
    explicit SetupFrm(const QString &commandLine = QString(), QWidget *parent = nullptr);

    void Command1_Click(int index);
    void CmdBrowse_Click(int index);
    void CmdInstall_Click();
    void CmdFinish_Click();

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

private:
    bool ValidateStep();
    bool InstallSystemFiles(QStringList &failures);
    void CreateShortcuts(QStringList &failures);
    void showStep();
    QPushButton *defaultButton() const;
    bool confirmOtherInstallation(const QString &folder);
    bool menuFolderFree(const QString &name);
    void refuse(const QString &text);
    QString target() const;

    QString commandLine_;
};
