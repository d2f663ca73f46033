#pragma once
// The installer's wizard: welcome, target folder, Start-menu folder, ready, progress, finish.
#include "forms/Form.h"
#include "setup/Unpack.h"

#include <QStringList>
#include <array>
#include <atomic>
#include <optional>
#include <thread>

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
inline const QString ExitQuestion = QStringLiteral(
    "Setup is niet voltooid. Als u nu afsluit, wordt het programma niet geïnstalleerd.\r\n\r\n"
    "U kunt Setup later opnieuw uitvoeren om de installatie te voltooien.\r\n\r\nSetup afsluiten ?");
inline const QString NotAllDone = QStringLiteral("De installatie is voltooid, maar het volgende is niet gelukt:");
inline const QString Stopped = QStringLiteral("De installatie is gestopt, want ");
inline const QString RemoveQuestion = QStringLiteral("Wilt u verwijderen wat Setup tot nu toe heeft geïnstalleerd ?");
}

class SetupFrm : public Form {
    Q_OBJECT
public:
    // commandLine: the folder that holds "ZanTof.zip", or "" for the current folder.
    explicit SetupFrm(const QString &commandLine = QString(), QWidget *parent = nullptr);
    ~SetupFrm() override;

    void Command1_Click(int index);
    void CmdBrowse_Click(int index);
    // Starts the unpack on a worker thread: the window keeps painting and "Annuleren" keeps working.
    void CmdInstall_Click();
    void CmdFinish_Click();
    // The unpack's notifications, on the window's thread.
    void Zip1_Progress(int percent);
    void Zip1_Completed();

    // From "Installeren" until the installation has finished or stopped.
    bool installing() const { return installing_; }
    // Waits for the unpack's thread to end, without handling events; its completion stays queued.
    void waitForUnpack();

    int CurrentStep = 0;
    QString MessageText;
    QString ShortcutFolder;
    int ExitAnswer = 0;
    QString FormerDirectory;

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

private:
    bool ValidateStep();
    bool InstallSystemFiles(QStringList &failures);
    void CreateShortcuts(QStringList &failures);
    void showStep();
    void refuse(const QString &text);
    QString target() const;
    void stopInstall(const QString &reason, const QString &detail);
    void removeWritten();
    void flushQueuedInput();

    QString commandLine_;
    std::thread worker_;
    UnpackControl control_;
    UnpackOutcome unpacked_;
    std::atomic<bool> listFailed_ = false;
    bool installing_ = false, asking_ = false, completionPending_ = false, abandoned_ = false;
    QString listPath_;
    std::optional<QByteArray> earlierList_; // the file list as an earlier installation left it
    QStringList systemCreated_;             // components copied where there were none
};
