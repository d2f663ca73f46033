#pragma once
// While the send window sends, the program's windows keep painting but take no input, as under a
// modal window: only the send window and a message box over it do. A window the user closes in the
// meantime closes once the send is over, and a change of the active window (which would close the
// windows above it, the send window among them) does not count: the send window comes back on top.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class SendingGuard : public QObject {
public:
    explicit SendingGuard(QWidget *sendWindow);
    ~SendingGuard() override; // the closes that waited follow once the events run again

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mayTakeInput(const QWidget *window) const;
    void bringForward();

    QPointer<QWidget> sendWindow_;
    QList<QPointer<QWidget>> closeLater_;
    bool forwardPending_ = false;
};
