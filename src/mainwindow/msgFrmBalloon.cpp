// The help balloon: shown at the pointer without taking the focus, closed by its timer or by its
// close image.
#include "msgFrm.h"
#include "msgFrmPanel.h"

#include "IconStrip.h"
#include "platform/widgets/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using namespace Balloon;
using namespace MsgFrmPanel;

void msgFrm::buildBalloonPanel()
{
    const QFont textFont = face("MS Sans Serif", 8.25, false);
    aPic = label(F1[2], "aPic", 45, 30, 240, 240, textFont);
    aTitle = label(F1[2], "aTitle", 420, 45, 3855, 300, face("Arial", 9.75, true));
    aMsg = label(F1[2], "aMsg", 75, 465, 4500, 240, face("Arial", 9.75, false));
    aMsg->setWordWrap(true);
    command1 = label(F1[2], "command1", 4380, 45, 240, 240, textFont);
    command1->setCursor(Qt::ArrowCursor);
    command1->setMouseTracking(true);
    command1->installEventFilter(this);
}

QString msgFrm::MsgAuto_box(const QString &mPrompt, int mFlags, const QString &mCaption, int nTime, bool NoPointer,
                            quint32 mColor, double X, double Y, int Intensity)
{
    // Shown without taking the focus: the field the user is in keeps it and is not left.
    useFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    const int panelWidth = startPanel(2, aTitle, mCaption, aMsg, mPrompt, mColor, Intensity);
    const int panelHeight = (aMsg->y() * TwipsPerPixelY + aMsg->height() * TwipsPerPixelY + 300) / TwipsPerPixelY;
    F1[2]->resize(panelWidth, panelHeight);
    command1->move(command1->x(), aPic->y());
    command1->move(px(panelWidth * TwipsPerPixelX - command1->width() * TwipsPerPixelX - 50), command1->y());
    setHeightTwips((PanelTop + panelHeight + 40) * TwipsPerPixelY);
    ShapeBalloonWindow(NoPointer, X, Y, Intensity);
    SelectIcon(mFlags, 2);
    command1->setProperty("tag", QString());
    DrawImageButton(command1, 9);
    show();
    update();
    Timer1->stop();
    const int interval = timerInterval(nTime);
    if (interval > 0) {
        Timer1->setInterval(interval);
        Timer1->start();
    }
    return QString();
}
void msgFrm::command1_Click()
{
    Timer1->stop();
    finish();
}
void msgFrm::Timer1_Timer()
{
    Timer1->stop();
    finish();
}

bool msgFrm::closeImageEvent(QObject *watched, QEvent *event, bool &taken)
{
    const QEvent::Type type = event->type();
    if (watched == command1) {
        const QString hover = command1->property("tag").toString();
        if (type == QEvent::MouseMove && hover != "1") {
            DrawImageButton(command1, 10);
            command1->setProperty("tag", "1");
        } else if (type == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            DrawImageButton(command1, 11);
        } else if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            DrawImageButton(command1, 10);
            if (command1->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
                QTimer::singleShot(0, this, &msgFrm::command1_Click);
            }
        }
        // Taken here: passed on to the panel, a move would put the plain face back at once.
        taken = type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease;
        return true;
    }
    if (watched == F1[2] && type == QEvent::MouseMove && command1->property("tag").toString() == "1") {
        DrawImageButton(command1, 9);
        command1->setProperty("tag", QString());
        taken = false;
        return true;
    }
    return false;
}
