#include "RemovalWindow.h"

#include "setup/Uninstall.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

RemovalWindow::RemovalWindow() : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(UninstText::Title);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(20, 16, 20, 16);
    v->setSpacing(12);
    label_ = new QLabel(UninstText::Busy);
    label_->setWordWrap(true);
    v->addWidget(label_);
    bar_ = new QProgressBar;
    bar_->setRange(0, 100);
    v->addWidget(bar_);
    setFixedWidth(420);
}

void RemovalWindow::report(qsizetype done, qsizetype total)
{
    const bool first = !isVisible() && done == 0;
    if (done >= total) {
        hide();
        return;
    }
    bar_->setValue(int(done * 100 / qMax(total, qsizetype(1))));
    if (first) {
        show();
        raise();
    }
    if (first || !painted_.isValid() || painted_.elapsed() >= 50) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        painted_.start();
    }
}

void RemovalWindow::closeEvent(QCloseEvent *event) { event->ignore(); }
