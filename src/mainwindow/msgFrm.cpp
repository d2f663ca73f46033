#include "msgFrm.h"

#include "IconStrip.h"
#include "forms/Form.h"
#include "platform/Colours.h"
#include "platform/Screen.h"
#include "platform/widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace Balloon;

namespace {
QPointer<msgFrm> theWindow;

// Design sizes: the client area is 5385 twips wide; panels stand at (8, 30) pixels.
constexpr int DesignWidth = 5385, DesignHeight = 3375;
constexpr int PanelLeft = 8, PanelTop = 30;
constexpr int ButtonWidth = 1200, ButtonHeight = 375;
constexpr int InputButtonWidth = 915, InputButtonHeight = 360;

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

    const QFont titleFont = face("MS Sans Serif", 8.25, true), textFont = face("MS Sans Serif", 8.25, false);
    for (int i = 0; i < 3; ++i) {
        F1[i] = new QFrame(this);
        F1[i]->setObjectName(QString("F1_%1").arg(i));
        F1[i]->setFrameShape(QFrame::NoFrame);
        F1[i]->setMouseTracking(true);
        F1[i]->installEventFilter(this);
        F1[i]->hide();
    }

    // The message box.
    LblTitle = label(F1[0], "LblTitle", 375, 45, 4215, 225, titleFont);
    lblmsg = label(F1[0], "lblmsg", 75, 450, 4500, 195, textFont);
    lblmsg->setWordWrap(true);
    lblmsg->installEventFilter(this);
    P1 = label(F1[0], "P1", 45, 30, 240, 240, textFont);
    const int designLefts[3] = {0, 1815, 3495};
    for (int i = 0; i < 3; ++i) {
        cmd1[i] = new QPushButton(F1[0]);
        cmd1[i]->setObjectName(QString("cmd1_%1").arg(i));
        placeTwips(cmd1[i], designLefts[i], 0, ButtonWidth, ButtonHeight);
        cmd1[i]->hide();
        connect(cmd1[i], &QPushButton::clicked, this, [this, i] { cmd1_Click(i); });
    }
    Check1 = new QCheckBox(F1[0]);
    Check1->setObjectName("Check1");
    placeTwips(Check1, 90, 1635, 4470, 255);
    Check1->hide();

    // The input box.
    iTitle = label(F1[1], "iTitle", 375, 45, 4215, 225, titleFont);
    iMsg = label(F1[1], "iMsg", 75, 465, 4500, 195, textFont);
    iMsg->setWordWrap(true);
    iMsg->installEventFilter(this);
    iPic = label(F1[1], "iPic", 45, 30, 240, 240, textFont);
    iTxt = new QLineEdit(F1[1]);
    iTxt->setObjectName("iTxt");
    placeTwips(iTxt, 75, 1485, 4545, 315);
    const char *inputCaptions[2] = {"Cancel", "OK"};
    for (int i = 0; i < 2; ++i) {
        iCmd[i] = new QPushButton(inputCaptions[i], F1[1]);
        iCmd[i]->setObjectName(QString("iCmd_%1").arg(i));
        iCmd[i]->resize(px(InputButtonWidth), px(InputButtonHeight));
        connect(iCmd[i], &QPushButton::clicked, this, [this, i] { iCmd_Click(i); });
    }
    Check2 = new QCheckBox(F1[1]);
    Check2->setObjectName("Check2");
    placeTwips(Check2, 60, 1830, 2595, 465);
    Check2->hide();

    // The balloon.
    aPic = label(F1[2], "aPic", 45, 30, 240, 240, textFont);
    aTitle = label(F1[2], "aTitle", 420, 45, 3855, 300, face("Arial", 9.75, true));
    aMsg = label(F1[2], "aMsg", 75, 465, 4500, 240, face("Arial", 9.75, false));
    aMsg->setWordWrap(true);
    command1 = label(F1[2], "command1", 4380, 45, 240, 240, textFont);
    command1->setCursor(Qt::ArrowCursor);
    command1->setMouseTracking(true);
    command1->installEventFilter(this);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &msgFrm::Timer1_Timer);
}

int msgFrm::panelWidthTwips() const { return (width() - 30) * TwipsPerPixelX; }

int msgFrm::wrappedHeight(QLabel *label, int widthPx)
{
    return label->heightForWidth(widthPx) > 0 ? label->heightForWidth(widthPx) : label->sizeHint().height();
}

void msgFrm::showPanel(int index)
{
    for (int i = 0; i < 3; ++i) F1[i]->setVisible(i == index);
    fill(F1[index], BoxColour);
    F1[index]->setGeometry(PanelLeft, PanelTop, width() - 30, F1[index]->height());
}

void msgFrm::setHeightTwips(int twips) { resize(width(), twips / TwipsPerPixelY); }

// ---- The balloon ----

QString msgFrm::MsgAuto_box(const QString &mPrompt, int mFlags, const QString &mCaption, int nTime, bool NoPointer,
                            quint32 mColor, double X, double Y, int Intensity)
{
    // Shown without taking the focus: the field the user is in keeps it and is not left.
    useFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    aTitle->setText(mCaption);
    aMsg->setText(mPrompt);
    BoxColour = mColor == 0 ? DefaultColour : fromBgr(mColor);
    if (Intensity != 0) tag = QString::number(Intensity);
    showPanel(2);
    const int panelWidth = F1[2]->width();
    const int msgWidth = panelWidth * TwipsPerPixelX - 130;
    aMsg->resize(px(msgWidth), 0);
    aMsg->resize(aMsg->width(), wrappedHeight(aMsg, aMsg->width()));
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
    const int interval = TimerInterval(nTime);
    if (interval > 0) {
        Timer1->setInterval(interval);
        Timer1->start();
    }
    return QString();
}

void msgFrm::ShapeBalloonWindow(bool NoPointer, double X, double Y, int Intensity)
{
    const QSize screen = ScreenSize();
    const int SW = width(), SH = height();
    QPoint topLeft;
    if (NoPointer) {
        corner = NoCorner;
        topLeft = QPoint((screen.width() - SW) / 2, (screen.height() - SH) / 2);
    } else {
        const Placement p = PlaceAtPointer(PointerPoint(X, Y, MousePosition()), screen, size());
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
    const int cell = IconCell(flags);
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
    target->setPixmap(QPixmap::fromImage(IconStrip::CellPicture(cell, IconStrip::CellSize, BoxColour)));
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

void msgFrm::finish()
{
    closing = true;
    close();
}

// ---- The message and input boxes ----

void msgFrm::SetDefaultButton(int MF) { DefaultButtonNumber = DefaultButtonFor(MF, DefaultButtonNumber); }

int msgFrm::Msg_Box(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer,
                    const QString &CheckboxTxt, const QString &Btn1, const QString &Btn2, const QString &Btn3,
                    quint32 mColor, double X, double Y, int Intensity)
{
    LblTitle->setText(mCaption);
    lblmsg->setText(mPrompt);
    BoxColour = mColor == 0 ? DefaultColour : fromBgr(mColor);
    if (Intensity != 0) tag = QString::number(Intensity);
    showPanel(0);
    const int panelWidth = F1[0]->width();
    lblmsg->resize(px(panelWidth * TwipsPerPixelX - 130), 0);
    lblmsg->resize(lblmsg->width(), wrappedHeight(lblmsg, lblmsg->width()));
    const int msgBottom = (lblmsg->y() + lblmsg->height()) * TwipsPerPixelY;
    const int panelHeight = (msgBottom + 900) / TwipsPerPixelY;
    F1[0]->resize(panelWidth, panelHeight);
    if (!CheckboxTxt.isEmpty()) {
        fill(Check1, BoxColour);
        Check1->move(lblmsg->x(), px(msgBottom + 70));
        Check1->setText(CheckboxTxt);
        Check1->show();
    }
    setHeightTwips((panelHeight + 65) * TwipsPerPixelY);
    ShapeBalloonWindow(NoPointer, X, Y, Intensity);
    LayoutButtons(mFlags, Btn1, Btn2, Btn3);
    SelectIcon(mFlags, 0);
    SetDefaultButton(mFlags);
    if (!runModal()) return 0; // closed under it, as when the program ends
    if (!Check1->isHidden() && Check1->isChecked()) BoxResult += 100;
    const int answer = BoxResult;
    finish();
    return answer;
}

void msgFrm::LayoutButtons(int flags, const QString &btn1, const QString &btn2, const QString &btn3)
{
    buttons = ::LayoutButtons(flags, btn1, btn2, btn3, panelWidthTwips(), ButtonWidth);
    const int top = F1[0]->height() * TwipsPerPixelY - ButtonHeight - 100;
    for (int i = 0; i < 3; ++i) {
        const BoxButton &b = buttons.buttons[i];
        cmd1[i]->setGeometry(px(int(b.left)), px(top), px(ButtonWidth), px(ButtonHeight));
        cmd1[i]->setText(b.caption);
        cmd1[i]->setProperty("tag", QString::number(b.code));
        cmd1[i]->setVisible(b.shown);
    }
}

void msgFrm::cmd1_Click(int index)
{
    BoxResult = cmd1[index]->property("tag").toString().toInt();
    hide();
    if (modalLoop) modalLoop->quit();
}

QString msgFrm::Input_Box(const QString &mPrompt, int mFlags, const QString &mCaption, const QString &DefaultText,
                          bool NoPointer, const QString &CheckboxTxt, quint32 mColor, double X, double Y, int Intensity)
{
    iTitle->setText(mCaption);
    iMsg->setText(mPrompt);
    BoxColour = mColor == 0 ? DefaultColour : fromBgr(mColor);
    if (Intensity != 0) tag = QString::number(Intensity);
    showPanel(1);
    const int panelWidth = F1[1]->width();
    const int msgWidth = panelWidth * TwipsPerPixelX - 130;
    iMsg->resize(px(msgWidth), 0);
    iMsg->resize(iMsg->width(), wrappedHeight(iMsg, iMsg->width()));
    const int txtTop = (iMsg->y() + iMsg->height()) * TwipsPerPixelY + 300;
    const int txtLeft = iMsg->x() * TwipsPerPixelX;
    iTxt->setGeometry(px(txtLeft), px(txtTop), px(msgWidth), iTxt->height());
    const int buttonTop = txtTop + iTxt->height() * TwipsPerPixelY + 70;
    const int okLeft = txtLeft + msgWidth - InputButtonWidth;
    const int cancelLeft = okLeft - InputButtonWidth - 70;
    iCmd[1]->move(px(okLeft), px(buttonTop));
    iCmd[0]->move(px(cancelLeft), px(buttonTop));
    if (!CheckboxTxt.isEmpty()) {
        fill(Check2, BoxColour);
        Check2->setGeometry(px(txtLeft), px(buttonTop), px(cancelLeft - txtLeft - 10), Check2->height());
        Check2->setText(CheckboxTxt);
        Check2->show();
    }
    const int panelHeight = (buttonTop + InputButtonHeight + 115) / TwipsPerPixelY;
    F1[1]->resize(panelWidth, panelHeight);
    setHeightTwips((panelHeight + 65) * TwipsPerPixelY);
    iTxt->setText(DefaultText);
    ShapeBalloonWindow(NoPointer, X, Y, Intensity);
    SelectIcon(mFlags, 1);
    if (!runModal()) return QString();
    if (!Check2->isHidden() && Check2->isChecked()) iTxt->setText(iTxt->text() + QString(QChar(0xAC)));
    const QString answer = BoxResult == -1 ? QString() : iTxt->text();
    finish();
    return answer;
}

void msgFrm::iCmd_Click(int index)
{
    if (index == 0) {
        BoxResult = -1;
    } else {
        BoxResult = 0;
        if (iTxt->text().isEmpty()) return;
    }
    hide();
    if (modalLoop) modalLoop->quit();
}

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

void msgFrm::focusDefaultButton()
{
    if (!F1[0]->isVisible() || DefaultButtonNumber <= 0) return;
    // A default button the set does not show hands the focus to the first one shown.
    const int i = FocusButton(buttons, DefaultButtonNumber);
    if (i >= 0) cmd1[i]->setFocus();
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

// ---- The close image and dragging ----

bool msgFrm::eventFilter(QObject *watched, QEvent *event)
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
        return type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease;
    }
    if (watched == F1[2] && type == QEvent::MouseMove && command1->property("tag").toString() == "1") {
        DrawImageButton(command1, 9);
        command1->setProperty("tag", QString());
        return false;
    }
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
