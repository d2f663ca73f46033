// The modal message box: up to three buttons, a check box, and the answer of the button pressed.
#include "msgFrm.h"
#include "msgFrmPanel.h"

#include "platform/widgets/Twips.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Balloon;
using namespace MsgFrmPanel;

void msgFrm::buildMessagePanel()
{
    const char *names[3] = {"LblTitle", "lblmsg", "P1"};
    buildBoxTexts(F1[0], names, 450, LblTitle, lblmsg, P1);
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
}

void msgFrm::SetDefaultButton(int MF) { DefaultButtonNumber = defaultButtonFor(MF, DefaultButtonNumber); }

int msgFrm::Msg_Box(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer,
                    const QString &CheckboxTxt, const QString &Btn1, const QString &Btn2, const QString &Btn3,
                    quint32 mColor, double X, double Y, int Intensity)
{
    const int panelWidth = startPanel(0, LblTitle, mCaption, lblmsg, mPrompt, mColor, Intensity);
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

void msgFrm::focusDefaultButton()
{
    if (!F1[0]->isVisible() || DefaultButtonNumber <= 0) return;
    // A default button the set does not show hands the focus to the first one shown.
    const int i = focusButton(buttons, DefaultButtonNumber);
    if (i >= 0) cmd1[i]->setFocus();
}

