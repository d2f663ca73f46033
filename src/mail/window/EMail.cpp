#include "EMail.h"

#include "SendingGuard.h"
#include "mail/QuotationSend.h"
#include "model/ProjectState.h"
#include "platform/FontFaces.h"
#include "platform/Rounding.h"
#include "platform/Screen.h"
#include "platform/Twips.h"


#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int Margin = 180; // twips around the bar
constexpr int LabelWidth = 600, LabelHeight = 225;

qint16 roundedStep(int width, int end) { return qint16(divRoundHalfEven(width, end)); }
}

ProgressStrip::ProgressStrip(ImageCanvas &canvas, QWidget *parent) : QWidget(parent), canvas_(canvas)
{
    setFixedSize(canvas.image().size());
    canvas.setChanged([this] { update(); });
}

void ProgressStrip::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, canvas_.image());
}

EMail *EMail::Show(QWidget *owner)
{
    QPointer<EMail> form = openForm<EMail>(owner);
    if (!form) return nullptr;
    form->activateWindow();
    // The send runs in the window's activation. A window manager may keep a new window from
    // becoming active, and ours still hands the focus back to a window that just closed: the
    // window takes its activation itself once the events of its showing are done.
    QTimer::singleShot(0, form, [form] {
        if (form && form->isLoaded()) Form::activated(form);
    });
    return form;
}

EMail::EMail(QWidget *owner) : Form(owner), canvas_(PicWidth, PicHeight)
{
    setObjectName("EMail");
    setWindowTitle("Versturen tekeningen naar de timmerfabriek");
    // Wide enough for the window manager to show the caption whole; the bar stays in the middle.
    const int width = std::max(px(PicWidth + 2 * Margin), captionRoom(windowTitle()));
    Pic1 = new ProgressStrip(canvas_, this);
    Pic1->setObjectName("Pic1");
    Pic1->move((width - Pic1->width()) / 2, px(Margin));
    Label1 = new QLabel("0%", Pic1);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->resize(px(LabelWidth), px(LabelHeight));
    // An opaque label of its own colour: readable on the white strip and on every shade of the bar.
    Label1->setAutoFillBackground(true);
    setFixedSize(width, px(PicHeight + 2 * Margin));
    send_ = new QuotationSend(this);
    connect(send_, &QuotationSend::progress, this, &EMail::ShowProgress);
}

EMail::~EMail() = default;

void EMail::Form_Load()
{
    move(dialogPlace(screenSize(), frameGeometry().size()));
    Label1->move((Pic1->width() - Label1->width()) / 2, (Pic1->height() - Label1->height()) / 2);
    canvas_.state().BackColor = Qt::white;
    canvas_.cls();
    red = redStep = 0;
    green = 0;
    greenStep = roundedStep(PicWidth, 200);
    blue = 128;
    blueStep = roundedStep(PicWidth, 127);
    lastX = 0;
    RegisterFormLevel();
}

void EMail::Form_Activate()
{
    // Qt activates the window again after every box over it; the request goes out once.
    if (sent_) return;
    sent_ = true;
    {
        // The send keeps the events running: the window paints and its bar moves meanwhile.
        SendingGuard guard(this);
        sending_ = true;
        send_->run(Project());
        sending_ = false;
    }
    unload();
}

void EMail::Form_Unload(bool &cancel)
{
    // Not while the request goes out: the window unloads itself when the send is over.
    if (sending_) cancel = true;
}

void EMail::ShowProgress(int percent)
{
    percent = qint16(percent);
    targetX = qint16(roundHalfEven(percent / 100.0 * PicWidth).value_or(0));
    const QString caption = QString::number(percent) + "%";
    for (int x = lastX; x <= targetX; ++x) {
        auto step = [x](qint16 &value, qint16 step) {
            if (step > 0 && x % step == 0) ++value;
            if (value < 0) value = 0;
        };
        step(red, redStep);
        step(green, greenStep);
        step(blue, blueStep);
        canvas_.state().ForeColor = QColor(std::min<int>(red, 255), std::min<int>(green, 255), std::min<int>(blue, 255));
        canvas_.line(QPoint(x, 0), QPoint(x, PicHeight));
        if (Label1->text() != caption) Label1->setText(caption);
    }
    lastX = targetX;
}
