#include "QtDialogs.h"

#include "DutchInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

int QtDialogs::msgBox(const QString &prompt, int style, const QString &title)
{
    loadDutchQtTexts();
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box.setText(QString(prompt).replace("\r\n", "\n"));
    switch (style & 0x70) {
    case MsgStyle::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgStyle::Question: box.setIcon(QMessageBox::Question); break;
    case MsgStyle::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgStyle::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct B { QMessageBox::StandardButton button; int answer; };
    QList<B> buttons;
    switch (style & 7) {
    case MsgStyle::OKCancel: buttons = {{QMessageBox::Ok, MsgAnswer::OK}, {QMessageBox::Cancel, MsgAnswer::Cancel}}; break;
    case MsgStyle::AbortRetryIgnore:
        buttons = {{QMessageBox::Abort, MsgAnswer::Abort}, {QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Ignore, MsgAnswer::Ignore}};
        break;
    case MsgStyle::YesNoCancel:
        buttons = {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}, {QMessageBox::Cancel, MsgAnswer::Cancel}};
        break;
    case MsgStyle::YesNo: buttons = {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}}; break;
    case MsgStyle::RetryCancel: buttons = {{QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Cancel, MsgAnswer::Cancel}}; break;
    default: buttons = {{QMessageBox::Ok, MsgAnswer::OK}}; break;
    }
    QMessageBox::StandardButtons all;
    for (const B &b : buttons) all |= b.button;
    box.setStandardButtons(all);
    const int defaultIndex = (style & MsgStyle::DefaultButton3) ? 2 : (style & MsgStyle::DefaultButton2) ? 1 : 0;
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const B &b : buttons)
        if (b.button == clicked) return b.answer;
    // Closed with Esc or the title bar: the Cancel answer where there is one, else the only button.
    for (const B &b : buttons)
        if (b.answer == MsgAnswer::Cancel) return b.answer;
    return buttons.size() == 1 ? buttons[0].answer : MsgAnswer::No;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    loadDutchQtTexts();
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QStringList QtDialogs::openFile(const FileDialogRequest &request)
{
    loadDutchQtTexts();
    const QString filters = qtNameFilters(request.filter);
    if (request.multiSelect)
        return QFileDialog::getOpenFileNames(request.owner, request.title, request.initialDir, filters);
    const QString path = QFileDialog::getOpenFileName(request.owner, request.title, request.initialDir, filters);
    return path.isEmpty() ? QStringList() : QStringList{path};
}

QString QtDialogs::saveFile(const FileDialogRequest &request)
{
    loadDutchQtTexts();
    QFileDialog dialog(request.owner, request.title, request.initialDir, qtNameFilters(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension itself, so that its overwrite question is about the file really written.
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::browseFolder(const FolderBrowseRequest &request)
{
    loadDutchQtTexts();
    // Opens on the start folder, or on the nearest folder above it that exists, else on the root.
    QString start = request.startFolder.isEmpty() ? request.root : request.startFolder;
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString up = QFileInfo(start).absolutePath();
        start = up == start ? QString() : up;
    }
    if (request.includeFiles)
        return QFileDialog::getOpenFileName(request.owner, request.title, start);
    return QFileDialog::getExistingDirectory(request.owner, request.title, start);
}
