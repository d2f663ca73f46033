#pragma once
// uninst's only window: while it removes the files it shows that it is busy and how far it is.
#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace UninstText {
inline const QString Busy = QStringLiteral("Zandrel Tofmaar wordt van deze computer verwijderd. Een ogenblik geduld...");
}

class RemovalWindow : public QWidget {
public:
    RemovalWindow();
    // Uninst::Main's progress: the window comes up at the first report and goes at the last; in
    // between it paints at least every 50 ms.
    void report(qsizetype done, qsizetype total);
    QProgressBar *bar() const { return bar_; }

protected:
    void closeEvent(QCloseEvent *event) override; // the removal cannot be interrupted halfway

private:
    QLabel *label_ = nullptr;
    QProgressBar *bar_ = nullptr;
    QElapsedTimer painted_;
};
