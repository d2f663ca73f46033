#include "SetupFrm.h"

#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/SystemTools.h"
#include "setup/Uninstall.h"
#include "setup/ZanSetup.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <optional>

namespace {
const QString CRLF = QStringLiteral("\r\n");

QString shown(QString text) { return text.replace(CRLF, "\n"); }

void paintWhite(QWidget *w)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
}

QFrame *line()
{
    auto *l = new QFrame;
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

QLabel *wrapped(const QString &text)
{
    auto *l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

// Takes mouse and key input off the queue unseen while it lives.
class InputSwallower : public QObject {
public:
    InputSwallower() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputSwallower() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: return true;
        default: return false;
        }
    }
};
}

void keepQtSettingsIn(const QString &folder)
{
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

SetupFrm::SetupFrm(const QString &commandLine, QWidget *parent) : Form(parent), commandLine_(commandLine)
{
    createdFolders().clear(); // from here on: the folders this wizard makes
    setWindowTitle(SetupFrmText::Caption);
    setFixedSize(600, 400);
    Frame1[0] = welcomePage();
    Frame1[1] = targetPage();
    Frame1[2] = menuPage();
    Frame1[3] = readyPage();
    Frame1[4] = progressPage();
    Frame1[5] = finishPage();
    auto *pages = new QGridLayout;
    for (QFrame *page : Frame1) pages->addWidget(page, 0, 0);
    QHBoxLayout *buttons = buttonRow();

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(pages, 1);
    root->addWidget(line());
    root->addLayout(buttons);
}

QLabel *SetupFrm::pageLabel(const QString &text)
{
    QLabel *l = wrapped(text);
    Label1[nextLabel_++] = l;
    return l;
}

// Welcome and finish: a coloured band on the left, the text on white.
QFrame *SetupFrm::bandPage(QLabel *title, QLabel *text)
{
    auto *page = new QFrame;
    paintWhite(page);
    auto *h = new QHBoxLayout(page);
    h->setContentsMargins(0, 0, 0, 0);
    auto *band = new QFrame;
    band->setFixedWidth(140);
    band->setStyleSheet("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1d4f91, stop:1 #6fa0d8);");
    h->addWidget(band);
    auto *v = new QVBoxLayout;
    v->setContentsMargins(20, 20, 20, 20);
    v->setSpacing(16);
    if (title) {
        QFont f = title->font();
        f.setPointSizeF(f.pointSizeF() * 1.35);
        f.setBold(true);
        title->setFont(f);
        v->addWidget(title);
    }
    v->addWidget(text);
    v->addStretch();
    h->addLayout(v);
    return page;
}

// The middle pages: a white head with title and subtitle, then the page's own controls in `body`.
QFrame *SetupFrm::headPage(const QString &title, const QString &subtitle, QVBoxLayout *&body)
{
    auto *page = new QFrame;
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    auto *head = new QWidget;
    paintWhite(head);
    auto *hv = new QVBoxLayout(head);
    hv->setContentsMargins(20, 12, 20, 12);
    QLabel *t = pageLabel(title);
    QFont f = t->font();
    f.setBold(true);
    t->setFont(f);
    hv->addWidget(t);
    QLabel *s = pageLabel(subtitle);
    s->setContentsMargins(15, 0, 0, 0);
    hv->addWidget(s);
    v->addWidget(head);
    v->addWidget(line());
    body = new QVBoxLayout;
    body->setContentsMargins(40, 16, 40, 12);
    body->setSpacing(10);
    v->addLayout(body);
    return page;
}

void SetupFrm::folderRow(int index, QVBoxLayout *body)
{
    Text1[index] = new QLineEdit;
    CmdBrowse[index] = new QPushButton("Bladeren...");
    connect(CmdBrowse[index], &QPushButton::clicked, this, [this, index] { CmdBrowse_Click(index); });
    auto *row = new QHBoxLayout;
    row->addWidget(Text1[index]);
    row->addWidget(CmdBrowse[index]);
    body->addLayout(row);
}

// Its texts come with the load, once the archive has passed.
QFrame *SetupFrm::welcomePage()
{
    Label1[0] = new QLabel;
    Label1[0]->setWordWrap(true);
    Label1[1] = new QLabel;
    Label1[1]->setWordWrap(true);
    return bandPage(Label1[0], Label1[1]);
}

QFrame *SetupFrm::targetPage()
{
    QVBoxLayout *body = nullptr;
    QFrame *page = headPage("Kies de doelmap", "Waar moet Zandrel Tofmaar geïnstalleerd worden ?", body);
    body->addWidget(pageLabel("Setup zal Zandrel Tofmaar in de volgende map installeren."));
    body->addWidget(pageLabel("Klik op volgende om door te gaan. Klik op Bladeren om een andere map te kiezen."));
    folderRow(0, body);
    body->addStretch();
    body->addWidget(pageLabel("Er is tenminste 20 MB vrije schijfruimte vereist."));
    Text1[0]->setText(QDir::homePath() + "/" + Installed::ProductName);
    return page;
}

QFrame *SetupFrm::menuPage()
{
    QVBoxLayout *body = nullptr;
    QFrame *page = headPage("Selecteer de menu Start map", "Waar moeten de snelkoppelingen van het programma geplaatst worden ?", body);
    body->addWidget(pageLabel("Setup plaatst de snelkoppelingen van het programma in volgende menu Start map."));
    body->addWidget(pageLabel("Klik op volgende om door te gaan. Klik op Bladeren om een andere map te kiezen."));
    folderRow(1, body);
    body->addStretch();
    Text1[1]->setText(Installed::ProductName);
    return page;
}

QFrame *SetupFrm::readyPage()
{
    QVBoxLayout *body = nullptr;
    QFrame *page = headPage("Het voorbereiden van de installatie is gereed",
                            "Setup is nu gereed om te beginnen met installeren van Zandrel Tofmaar op deze computer.", body);
    Summary = new QPlainTextEdit;
    Summary->setReadOnly(true);
    body->addWidget(Summary);
    body->addWidget(pageLabel("Klik op Installeren om verder te gaan met installeren, of klik op vorige als instellingen wilt "
                              "terugzien of veranderen."));
    return page;
}

QFrame *SetupFrm::progressPage()
{
    QVBoxLayout *body = nullptr;
    QFrame *page = headPage("Bezig met installeren", "Setup installeert Zandrel Tofmaar op uw computer. Een ogenblik geduld...",
                            body);
    body->addWidget(pageLabel("Bestanden uitpakken..."));
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    body->addWidget(ProgressBar1);
    body->addStretch();
    return page;
}

// Its text comes with the load.
QFrame *SetupFrm::finishPage()
{
    Label1[19] = new QLabel;
    Label1[19]->setWordWrap(true);
    return bandPage(nullptr, Label1[19]);
}

QHBoxLayout *SetupFrm::buttonRow()
{
    Command1[0] = new QPushButton("< Vorige");
    Command1[1] = new QPushButton("Volgende >");
    Command1[2] = new QPushButton("Annuleren");
    CmdInstall = new QPushButton("Installeren");
    CmdFinish = new QPushButton("Voltooien");
    for (int i = 0; i < 3; ++i) connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(CmdInstall, &QPushButton::clicked, this, &SetupFrm::CmdInstall_Click);
    connect(CmdFinish, &QPushButton::clicked, this, &SetupFrm::CmdFinish_Click);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 10, 10, 10);
    buttons->setSpacing(6);
    buttons->addStretch();
    for (QPushButton *b : {Command1[0], Command1[1], CmdInstall, CmdFinish}) buttons->addWidget(b);
    buttons->addSpacing(10);
    buttons->addWidget(Command1[2]);
    CmdInstall->hide();
    CmdFinish->hide();
    // Enter on a button presses that button; elsewhere it presses the page's default one, and
    // only one of the three default buttons shows at a time.
    for (QPushButton *b : {Command1[0], Command1[1], Command1[2], CmdBrowse[0], CmdBrowse[1], CmdInstall, CmdFinish})
        b->setAutoDefault(true);
    for (QPushButton *b : {Command1[1], CmdInstall, CmdFinish}) b->setDefault(true);
    // The pages' buttons share places: the second click of a double click would press the button that
    // has just taken the first one's place ("Installeren" after "Volgende >"). It counts for nothing.
    for (QPushButton *b : {Command1[0], Command1[1], Command1[2], CmdInstall, CmdFinish}) b->installEventFilter(this);
    return buttons;
}

void SetupFrm::refuse(const QString &text)
{
    MsgBox(text, MsgStyle::Critical, ErrorTitle);
    Form::endProgram(1);
}

void SetupFrm::Form_Load()
{
    if (!commandLine_.isEmpty()) {
        FormerDirectory = QDir::currentPath();
        // A folder that cannot be entered is said so, rather than taken for a folder without the archive.
        if (!QDir::setCurrent(commandLine_)) {
            FormerDirectory.clear();
            refuse("De map \"" + commandLine_ + "\" kan niet geopend worden.");
            return;
        }
    }
    InitSystemInfo();
    if (!systemInfo().IsWinNT) {
        refuse("Dit programma is helaas niet geschikt voor Windows 95/98/ME.");
        return;
    }
    if (!IsUserAdmin()) {
        refuse("U kunt dit programma alleen correct installeren als beheerder-rechten (Administrator-rights) heeft.");
        return;
    }
    if (!fileExists(Installed::Archive)) {
        refuse("\"" + Installed::Archive + "\" niet gevonden.");
        return;
    }
    // Checked whole before the pages: a damaged or unsafe archive is refused before anything is written.
    if (const QString refusal = Installation::archiveRefusal(findFile(Installed::Archive)); !refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    Label1[0]->setText("Welkom bij het installatieprogramma van Zandrel Tofmaar");
    Label1[1]->setText(shown("Hiermee wordt Zandrel Tofmaar 2.0 geïnstalleerd  op deze computer." + CRLF + CRLF
                             + "U wordt aanbevolen alle active programma's af te sluiten" + CRLF + "voordat u verder gaat."
                             + CRLF + CRLF + "Klik op Volgende om verder te gaan of op Annuleren om Setup" + CRLF
                             + "af te sluiten."));
    Label1[19]->setText(shown("Setup heeft het installeren van Zandrel Tofmaar op deze computer voltooid. "
                              "U kunt het programma uitvoeren met de geïnstalleerde snelkoppelingen."
                              + CRLF + CRLF + "Klik op Voltooien om Setup te beëindigen."));
    CurrentStep = 1;
    showStep();
}

void SetupFrm::showStep()
{
    for (int i = 0; i < 6; ++i) Frame1[i]->setVisible(i == CurrentStep - 1);
    Command1[0]->setVisible(CurrentStep > 1);
    Command1[1]->setVisible(CurrentStep < 4);
    CmdInstall->setVisible(CurrentStep == 4);
    // The page opens on its field, else on its default button: Enter goes on, never back.
    if (CurrentStep == 2 || CurrentStep == 3) Text1[CurrentStep - 2]->setFocus();
    else defaultButton()->setFocus();
}

QPushButton *SetupFrm::defaultButton() const
{
    return CurrentStep < 4 ? Command1[1] : CurrentStep == 4 ? CmdInstall : CmdFinish;
}

bool SetupFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) return true;
    return Form::eventFilter(watched, event);
}

void SetupFrm::keyPressEvent(QKeyEvent *event)
{
    QPushButton *button = nullptr;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) button = defaultButton();
        if (event->key() == Qt::Key_Escape) button = Command1[2];
    }
    // A hidden button is no answer: while the files are unpacked none of them shows.
    if (!button || !button->isVisible() || !button->isEnabled()) {
        Form::keyPressEvent(event);
        return;
    }
    event->accept();
    button->click();
}

void SetupFrm::Command1_Click(int index)
{
    if (index == 1) {
        if (!ValidateStep()) return;
        ++CurrentStep;
    } else if (index == 0) {
        --CurrentStep;
    } else {
        unload();
        return;
    }
    showStep();
}

bool SetupFrm::ValidateStep()
{
    if (CurrentStep == 2) {
        const QString typed = Text1[0]->text(), folder = withHomeFolder(typed);
        if (folder != typed.trimmed()) Text1[0]->setText(folder);
        if (ValidateTargetFolder(Text1[0]->text(), [this](const QString &folder) { return confirmOtherInstallation(folder); }))
            return true;
        Text1[0]->setFocus();
        return false;
    }
    if (CurrentStep == 3) {
        QString name = Text1[1]->text();
        if (name.endsWith('\\')) {
            name.chop(1);
            Text1[1]->setText(name);
        }
        const bool accepted = validateStartMenuName(name) && menuFolderFree(name);
        if (!accepted) Text1[1]->setFocus();
        MessageText = "Doelmap: " + CRLF + "      " + Text1[0]->text() + CRLF + CRLF + "Menu Start map: " + CRLF + "      "
                    + Text1[1]->text();
        Summary->setPlainText(shown(MessageText));
        return accepted;
    }
    return true;
}

// One uninstall entry names one installation. Installing beside another one is the user's choice;
// that one keeps its files, its file list and its own uninstaller.
bool SetupFrm::confirmOtherInstallation(const QString &folder)
{
    OtherInstallation.clear();
    const QString other = RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath");
    if (other.isEmpty() || isSameFolder(other, folder) || !holdsInstallation(other)) return true;
    if (MsgBox(SetupFrmText::InstalledElsewhere(other, folder), MsgStyle::Question | MsgStyle::YesNo | MsgStyle::DefaultButton2,
               SetupFrmText::AppTitle)
        == MsgAnswer::No)
        return false;
    OtherInstallation = other;
    return true;
}

// The other installation's menu entries stay its own: this one may not write over them.
bool SetupFrm::menuFolderFree(const QString &name)
{
    if (OtherInstallation.isEmpty()) return true;
    const QString theirs = RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "ShellLnkPath");
    const QString ours = GetSpecialFolderPath(SpecialFolder::CommonPrograms) + "/" + QString(name).replace('\\', '/');
    const bool taken = isSameFolder(theirs, ours)
                    && (QFileInfo::exists(theirs + "/" + Installed::ProgramLink)
                        || QFileInfo::exists(theirs + "/" + Installed::UninstallerLink));
    if (taken) MsgBox(SetupFrmText::MenuFolderTaken(name, OtherInstallation), MsgStyle::Exclamation, "Fout");
    return !taken;
}

void SetupFrm::CmdBrowse_Click(int index)
{
    if (index == 0) {
        QString start = withHomeFolder(Text1[0]->text());
        const QString chosen = BrowseForFolderEx(this, start, QString(), false, false);
        if (!chosen.isEmpty()) Text1[0]->setText(chosen); // a cancelled browse keeps what was typed
        return;
    }
    const QString chosen = BrowseForFolder(this, "Selecteer een map in de onderstaande lijst en klik daarna op OK.");
    const QString programs = GetSpecialFolderPath(SpecialFolder::Programs);
    QString name;
    if (!chosen.isEmpty() && !programs.isEmpty()) {
        // Only a folder of the menu can hold menu entries; the field keeps what it had.
        const std::optional<QString> inside = pathInside(programs, chosen);
        if (!inside) {
            MsgBox(SetupFrmText::MenuFolderOutside(chosen, programs), MsgStyle::Exclamation, "Fout");
            return;
        }
        name = *inside;
    }
    // The Start-menu name separates its folders with "\".
    name.replace('/', '\\');
    if (!name.isEmpty()) name += "\\";
    name += Installed::ProductName;
    if (name.startsWith('\\')) name.remove(0, 1);
    Text1[1]->setText(name);
}

QString SetupFrm::target() const { return Text1[0]->text().trimmed(); }

SetupFrm::~SetupFrm() { installation_.stop(); }

void SetupFrm::CmdInstall_Click()
{
    if (installing_) return;
    const QString folder = target();
    // Another setup or uninst at work in this folder: nothing is written, the page stays.
    if (!installation_.lock(folder)) {
        MsgBox(LockText::Busy(folder), MsgStyle::Exclamation, SetupFrmText::AppTitle);
        return;
    }
    Command1[0]->hide();
    Command1[1]->hide();
    CmdInstall->hide();
    Frame1[3]->hide();
    Frame1[4]->show();
    installing_ = true;
    installation_.start(
        QFileInfo(findFile(Installed::Archive)).absoluteFilePath(),
        [this](int percent) { QMetaObject::invokeMethod(this, [this, percent] { Zip1_Progress(percent); }, Qt::QueuedConnection); },
        [this] { QMetaObject::invokeMethod(this, &SetupFrm::Zip1_Completed, Qt::QueuedConnection); });
}

void SetupFrm::waitForUnpack() { installation_.wait(); }

void SetupFrm::Zip1_Progress(int percent) { ProgressBar1->setValue(percent); }

void SetupFrm::Zip1_Completed()
{
    waitForUnpack();
    if (abandoned_) return;
    if (asking_) { // the exit question is open: its answer decides
        completionPending_ = true;
        return;
    }
    switch (installation_.outcome()) {
    case Installation::Outcome::Stopped: return;
    case Installation::Outcome::Failed: {
        const InstallationStop stop = installation_.failure();
        stopInstall(stop.reason, stop.detail);
        return;
    }
    case Installation::Outcome::Unpacked: break;
    }
    // Installed from here on: a close that comes while the finish page is brought up waits for it.
    finishing_ = true;
    const QStringList failures = installation_.complete(Text1[1]->text());
    ShortcutFolder = installation_.shortcutFolder();
    installing_ = false;
    if (!failures.isEmpty())
        MsgBox(SetupFrmText::NotAllDone + CRLF + CRLF + failures.join(CRLF), MsgStyle::Exclamation, SetupFrmText::AppTitle);
    // A folder made for a target that was given up on page 2 goes again.
    installation_.finish();

    // A click that was on its way to "Annuleren" must not press "Voltooien" in its place.
    flushQueuedInput();
    Frame1[4]->hide();
    Frame1[5]->show();
    Command1[2]->hide();
    CmdFinish->show();
    CmdFinish->setFocus();
    ++CurrentStep;
    finishing_ = false;
    if (closeRequested_) unload();
}

void SetupFrm::flushQueuedInput()
{
    InputSwallower swallow;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SetupFrm::stopInstall(const QString &reason, const QString &detail)
{
    installing_ = false;
    MessageText = SetupFrmText::Stopped + reason + (detail.isEmpty() ? "." : ". (" + detail + ")");
    if (!installation_.wroteAny()) {
        MsgBox(MessageText, MsgStyle::Critical, SetupFrmText::AppTitle);
    } else if (MsgBox(MessageText + CRLF + CRLF + SetupFrmText::RemoveQuestion, MsgStyle::Critical | MsgStyle::YesNo,
                      SetupFrmText::AppTitle)
               == MsgAnswer::Yes) {
        installation_.undo();
    }
    installation_.leave();
    Form::endProgram(1);
}

void SetupFrm::CmdFinish_Click() { unload(); }

void SetupFrm::Form_Unload(bool &cancel)
{
    // The window manager's close can come in the events that run while the finish page is brought
    // up: the installation is whole then and the window is still in use, so it closes afterwards.
    if (finishing_) {
        closeRequested_ = true;
        cancel = true;
        return;
    }
    if (CurrentStep < 5) {
        // The unpack waits while the user answers, so nothing changes under the question.
        if (installing_) installation_.pause();
        MessageText = SetupFrmText::ExitQuestion;
        asking_ = true;
        ExitAnswer = MsgBox(MessageText, MsgStyle::Question | MsgStyle::YesNo, "Setup afsluiten");
        asking_ = false;
        if (ExitAnswer == MsgAnswer::No) {
            cancel = true;
            installation_.resume();
            if (completionPending_) {
                completionPending_ = false;
                QMetaObject::invokeMethod(this, &SetupFrm::Zip1_Completed, Qt::QueuedConnection);
            }
            return;
        }
        // Nothing is installed, as the question says: the unpack stops and what it wrote goes.
        abandoned_ = true;
        installation_.stop();
        installation_.undo();
    }
    // Back to where the user started, whatever an earlier exit question was answered.
    if (!FormerDirectory.isEmpty()) QDir::setCurrent(FormerDirectory);
}
