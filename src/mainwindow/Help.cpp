#include "Help.h"

#include "platform/Screen.h"
#include "platform/widgets/Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<Help> theWindow;

// The topic sizes are outer sizes: border and caption take this much of them.
constexpr int FrameWidth = 120, FrameHeight = 420;
constexpr int TextLeft = 140, TitleTop = 120, TitleHeight = 540, TextTop = 720;
constexpr int ButtonWidth = 1200, ButtonHeight = 375;
}

Help *Help::window()
{
    if (!theWindow) {
        theWindow = new Help(Form::frameWindow());
        theWindow->load();
    }
    return theWindow;
}

Help *Help::loaded() { return theWindow && theWindow->isLoaded() ? theWindow.data() : nullptr; }

Help::Help(QWidget *owner) : Form(owner)
{
    setObjectName("Help");
    setWindowTitle(" Help");

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    QFont title("Comic Sans MS");
    title.setPointSize(18);
    title.setBold(true);
    Label1->setFont(title);

    // The user may scroll and select; the program never reads the field back.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    Command1 = new QPushButton("O.K.", this);
    Command1->setObjectName("Command1");
    Command1->resize(px(ButtonWidth), px(ButtonHeight));
    connect(Command1, &QPushButton::clicked, this, &Help::Command1_Click);
}

void Help::Form_Load() { RegisterFormLevel(); }

void Help::Mainhelp() { showTopic(mainhelpTopic()); }
void Help::SubVormHelp() { showTopic(subVormHelpTopic()); }
void Help::TekenFormHelp() { showTopic(tekenFormHelpTopic()); }
void Help::SubVakkenHelp() { showTopic(subVakkenHelpTopic()); }

void Help::showTopic(const HelpTopicText &topic)
{
    setOuterWidth(topic.widthTwips);
    setOuterHeight(topic.heightTwips);
    move(dialogPlace(screenSize(), QSize(px(outerWidth), px(outerHeight))));
    Label1->setText(topic.title);
    textStore = topic.text;
    QString shown = textStore;
    Text1->setPlainText(shown.replace("\r\n", "\n"));
}

void Help::setOuterWidth(int twips)
{
    outerWidth = twips;
    sizing = true;
    resize(px(twips - FrameWidth), height());
    sizing = false;
    Form_Resize();
}

void Help::setOuterHeight(int twips)
{
    outerHeight = twips;
    sizing = true;
    resize(width(), px(twips - FrameHeight));
    sizing = false;
    Form_Resize();
}

void Help::Form_Resize()
{
    const HelpLayout l = helpLayoutFor(outerWidth, outerHeight, Command1->width() * TwipsPerPixel);
    Label1->setGeometry(twipsRect(TextLeft, TitleTop, qMax(0, outerWidth - 400), TitleHeight));
    if (l.hasTextWidth) Text1->setGeometry(px(TextLeft), px(TextTop), px(l.textWidth), Text1->height());
    if (l.hasTextHeight) Text1->setGeometry(px(TextLeft), px(TextTop), Text1->width(), px(l.textHeight));
    Command1->move(px(l.buttonLeft), px(l.buttonTop));
}

void Help::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (sizing) return;
    // The user drags the border: the outer size follows the window. The size we set ourselves
    // (delivered late to a hidden window) keeps its exact twips.
    if (size() == QSize(px(outerWidth - FrameWidth), px(outerHeight - FrameHeight))) return;
    outerWidth = width() * TwipsPerPixel + FrameWidth;
    outerHeight = height() * TwipsPerPixel + FrameHeight;
    Form_Resize();
}

void Help::Command1_Click() { unload(); }
