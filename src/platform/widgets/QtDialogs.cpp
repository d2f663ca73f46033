#include "QtDialogs.h"

#include "DutchInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>

#include <algorithm>

namespace {
// Qt's own dialog makes its detail columns as wide as English samples ("128.88 GB", "mp3Folder"):
// the Dutch size, type and date of a file ("322 bytes", "plattetekst-document") were cut. They
// follow what they show, and the name takes the room that is left, so that no column lies beyond
// the view. The platform's own dialog has no such view and is left as it is.
void fitDetailColumns(QFileDialog &dialog)
{
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details) return;
    QHeaderView *header = details->header();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    // Room for a name beside them in a larger font too, within the screen.
    int wide = dialog.fontMetrics().averageCharWidth() * 90;
    if (const QScreen *screen = dialog.screen()) wide = std::min(wide, screen->availableGeometry().width() - 40);
    if (dialog.width() < wide) dialog.resize(wide, dialog.height());
    for (int c = 1; c < header->count(); ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
}
}

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
    QFileDialog dialog(request.owner, request.title, request.initialDir, qtNameFilters(request.filter));
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    fitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString QtDialogs::saveFile(const FileDialogRequest &request)
{
    loadDutchQtTexts();
    QFileDialog dialog(request.owner, request.title, request.initialDir, qtNameFilters(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension itself, so that its overwrite question is about the file really written.
    dialog.setDefaultSuffix(request.defaultSuffix);
    fitDetailColumns(dialog);
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
