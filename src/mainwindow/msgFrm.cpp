#include "msgFrm.h"
#include "msgFrmPanel.h"

#include "IconStrip.h"
#include "forms/Form.h"
#include "platform/Colours.h"
#include "platform/Screen.h"
#include "platform/widgets/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

using namespace Balloon;
using namespace MsgFrmPanel;

namespace {
QPointer<msgFrm> theWindow;
}

namespace MsgFrmPanel {
QFont face(const char *family, double points, bool bold)
{
    QFont f{QString::fromLatin1(family)};
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void fill(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setBackgroundRole(QPalette::Window); // check boxes paint in the button colour otherwise
    w->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const char *name, int left, int top, int width, int height, const QFont &font)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(l, left, top, width, height);
    return l;
}
}

msgFrm *msgFrm::window()
{
    if (!theWindow) theWindow = new msgFrm(Form::frameWindow());
    return theWindow;
}

msgFrm *msgFrm::open() { return theWindow; }

msgFrm::msgFrm(QWidget *owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName("msgFrm");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(px(DesignWidth), px(DesignHeight));
    fill(this, WindowBackground);
    image = QImage(size(), QImage::Format_RGB32);
    image.fill(WindowBackground);

    for (int i = 0; i < 3; ++i) {
        F1[i] = new QFrame(this);
        F1[i]->setObjectName(QString("F1_%1").arg(i));
        F1[i]->setFrameShape(QFrame::NoFrame);
        F1[i]->setMouseTracking(true);
        F1[i]->installEventFilter(this);
        F1[i]->hide();
    }

    buildMessagePanel();
    buildInputPanel();
    buildBalloonPanel();

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &msgFrm::Timer1_Timer);
}

int msgFrm::panelWidthTwips() const { return (width() - 30) * TwipsPerPixelX; }

int msgFrm::wrappedHeight(QLabel *label, int widthPx)
{
    return label->heightForWidth(widthPx) > 0 ? label->heightForWidth(widthPx) : label->sizeHint().height();
}

void msgFrm::buildBoxTexts(QFrame *panel, const char *names[3], int messageTop, QLabel *&title, QLabel *&message,
                           QLabel *&icon)
{
    const QFont titleFont = face("MS Sans Serif", 8.25, true), textFont = face("MS Sans Serif", 8.25, false);
    title = label(panel, names[0], 375, 45, 4215, 225, titleFont);
    message = label(panel, names[1], 75, messageTop, 4500, 195, textFont);
    message->setWordWrap(true);
    message->installEventFilter(this);
    icon = label(panel, names[2], 45, 30, 240, 240, textFont);
}

int msgFrm::startPanel(int index, QLabel *title, const QString &caption, QLabel *message, const QString &prompt,
                       quint32 mColor, int Intensity)
{
    title->setText(caption);
    message->setText(prompt);
    BoxColour = mColor == 0 ? DefaultColour : fromBgr(mColor);
    if (Intensity != 0) tag = QString::number(Intensity);
    showPanel(index);
    const int panelWidth = F1[index]->width();
    message->resize(px(panelWidth * TwipsPerPixelX - 130), 0);
    message->resize(message->width(), wrappedHeight(message, message->width()));
    return panelWidth;
}

void msgFrm::showPanel(int index)
{
    for (int i = 0; i < 3; ++i) F1[i]->setVisible(i == index);
    fill(F1[index], BoxColour);
    F1[index]->setGeometry(PanelLeft, PanelTop, width() - 30, F1[index]->height());
}

void msgFrm::setHeightTwips(int twips) { resize(width(), twips / TwipsPerPixelY); }

// ---- Shape, icon and closing, for every panel ----

void msgFrm::ShapeBalloonWindow(bool NoPointer, double X, double Y, int Intensity)
{
    const QSize screen = screenSize();
    const int SW = width(), SH = height();
    QPoint topLeft;
    if (NoPointer) {
        corner = NoCorner;
        topLeft = QPoint((screen.width() - SW) / 2, (screen.height() - SH) / 2);
    } else {
        const Placement p = PlaceAtPointer(pointerPoint(X, Y, mousePosition()), screen, size());
        corner = p.corner;
        topLeft = p.topLeft;
    }
    // A window still open (a balloon taken again) leaves the screen first: the screen at the new place
    // would show the window itself, its old shadow over the pixels of its old place. The windows it
    // uncovers repaint before their pixels are read.
    if (isVisible()) {
        Timer1->stop(); // not closed while it is away: the caller sets the timer afresh
        hide();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    move(topLeft);
    // The shadow first, from what the screen shows at the new place; the body covers its inner part.
    image = QImage(size(), QImage::Format_RGB32);
    image.fill(WindowBackground);
    const QRegion shadow = PaintShadow(image, screenPixels().grab(QRect(topLeft, size())), Intensity);
    const QRegion body = PaintBody(image, BoxColour);
    const QRegion tail = PaintTail(image, corner, BoxColour);
    region = body | shadow | tail;
    setMask(region);
    update();
}

void msgFrm::SelectIcon(int flags, int panel)
{
    QLabel *const images[3] = {P1, iPic, aPic};
    QLabel *const titles[3] = {LblTitle, iTitle, aTitle};
    QLabel *const messages[3] = {lblmsg, iMsg, aMsg};
    const int cell = iconCell(flags);
    if (cell > 0) {
        images[panel]->show();
        DrawImageButton(images[panel], cell);
    } else {
        // No icon: the title starts where the text starts.
        images[panel]->hide();
        titles[panel]->move(messages[panel]->x(), titles[panel]->y());
    }
}

void msgFrm::DrawImageButton(QLabel *target, int cell)
{
    target->setPixmap(QPixmap::fromImage(IconStrip::cellPicture(cell, IconStrip::CellSize, BoxColour)));
}

void msgFrm::finish()
{
    closing = true;
    close();
}

// ---- Modal boxes ----

void msgFrm::useFlags(Qt::WindowFlags flags)
{
    // Changing the flags hides a shown window: only when they change.
    if (windowFlags() != flags) setWindowFlags(flags);
}

bool msgFrm::runModal()
{
    useFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    if (F1[1]->isVisible()) {
        iTxt->setFocus();
        iTxt->selectAll();
    }
    focusDefaultButton();
    QEventLoop loop;
    modalLoop = &loop;
    QPointer<msgFrm> self(this);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    QMetaObject::invokeMethod(this, &msgFrm::boxShown, Qt::QueuedConnection);
    loop.exec();
    if (!self) return false;
    modalLoop = nullptr;
    return true;
}

bool msgFrm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) focusDefaultButton();
    return QWidget::event(event);
}

void msgFrm::closeEvent(QCloseEvent *event)
{
    // A box answers only through its buttons.
    if (modalLoop && !closing) {
        event->ignore();
        return;
    }
    Timer1->stop();
    if (modalLoop) modalLoop->quit();
    event->accept();
}

void msgFrm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, image);
}

// ---- Dragging ----

bool msgFrm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    bool taken = false;
    if (closeImageEvent(watched, event, taken)) return taken;
    const bool dragArea = watched == F1[0] || watched == F1[1] || watched == F1[2] || watched == iMsg || watched == lblmsg;
    if (dragArea && type == QEvent::MouseMove && !F1[2]->isVisible()) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->buttons() == Qt::LeftButton && !dragging) {
            startDrag(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void msgFrm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !F1[2]->isVisible() && !dragging) {
        startDrag(event->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(event);
}

void msgFrm::startDrag(QPoint globalPos)
{
    // While it moves the window is its body alone, with two lines marking its top and bottom.
    image.fill(WindowBackground);
    region = PaintBody(image, BoxColour);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawLine(5, 20, width() - 5, 20);
    p.drawLine(5, height() - 25, width() - 5, height() - 25);
    p.end();
    setMask(region);
    update();
    dragging = true;
    dragOffset = globalPos - pos();
    grabMouse();
}

void msgFrm::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging) {
        move(event->globalPosition().toPoint() - dragOffset);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void msgFrm::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging && event->button() == Qt::LeftButton) {
        releaseMouse();
        dragging = false;
        QCoreApplication::processEvents();
        ReshapeAfterDrag(tag.toInt());
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void msgFrm::ReshapeAfterDrag(int Intensity)
{
    // The shadow from the screen at the new place; the tail is not put back.
    image.fill(WindowBackground);
    const QRegion shadow = PaintShadow(image, screenPixels().grab(geometry()), Intensity);
    const QRegion body = PaintBody(image, BoxColour);
    corner = NoCorner;
    region = body | shadow;
    setMask(region);
    update();
}
