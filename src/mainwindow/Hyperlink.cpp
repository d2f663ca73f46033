#include "Hyperlink.h"

#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Links.h"
#include "platform/widgets/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QResizeEvent>

QString hyperlinkTarget(const QString &link)
{
    // A link that already names its scheme is never prefixed twice ("http://https://...").
    static const QRegularExpression scheme("^(https?://|mailto:)", QRegularExpression::CaseInsensitiveOption);
    if (scheme.match(link).hasMatch()) return link;
    if (link.contains('@'))
        return link.contains("mailto:", Qt::CaseInsensitive) ? link : "mailto:" + link;
    return link.contains("http://", Qt::CaseInsensitive) ? link : "http://" + link;
}

Hyperlink::Hyperlink(QWidget *parent) : QWidget(parent)
{
    setObjectName("Hyperlink");
    Label1 = new QLabel("Hyperlink", this);
    Label1->setObjectName("Label1");
    Label1->setFont(QFont("Arial"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    Label1->adjustSize();
    setAutoFillBackground(true);
    resize(Label1->size());
}

void Hyperlink::Init(const QString &link, const QString &text, quint32 backColour, const QString &fontName,
                     float fontSize, quint32 foreColour)
{
    if (link.trimmed().isEmpty()) {
        MsgBox("Geen link opgegeven !", MsgStyle::Critical + MsgStyle::OK, ErrorTitle);
        return;
    }
    const QString shown = text.trimmed().isEmpty() ? link : text;
    linkTarget = hyperlinkTarget(link);
    const QString face = fontName.trimmed().isEmpty() ? QStringLiteral("Arial") : fontName;
    const float size = fontSize == 0 ? 10.0f : fontSize;
    const QColor colour = fromBgr(foreColour == 0 ? 0xFF0000 : foreColour);

    QFont font(face);
    font.setPointSizeF(size);
    font.setUnderline(true);
    Label1->setFont(font);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, colour);
    Label1->setPalette(pal);
    Label1->setText(shown);
    Label1->adjustSize();
    // Ten twips more than the label is high: less than a pixel, so one pixel.
    resize(Label1->width(), Label1->height() + (10 + TwipsPerPixel - 1) / TwipsPerPixel);
    takeHostBackground();
    if (backColour != 0) applyBackground(fromBgr(backColour));
}

void Hyperlink::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A hidden control gets its resize late, when shown: the size Init set is not a new one.
    if (event->size() == sizedAt) return;
    takeHostBackground();
}

void Hyperlink::takeHostBackground()
{
    sizedAt = size();
    // The control takes the back colour of the window that holds it.
    if (parentWidget()) applyBackground(parentWidget()->palette().color(parentWidget()->backgroundRole()));
}

void Hyperlink::applyBackground(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

bool Hyperlink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->position().toPoint())) Label1_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void Hyperlink::Label1_Click()
{
    // Nothing to open before a link was given.
    if (linkTarget.isEmpty()) return;
    links().openLink(linkTarget);
}
