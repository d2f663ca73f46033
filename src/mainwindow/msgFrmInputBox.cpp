// The modal input box: a text with "OK" and "Cancel", and a check box.
#include "msgFrm.h"
#include "msgFrmPanel.h"

#include "platform/widgets/Twips.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Balloon;
using namespace MsgFrmPanel;

void msgFrm::buildInputPanel()
{
    const char *names[3] = {"iTitle", "iMsg", "iPic"};
    buildBoxTexts(F1[1], names, 465, iTitle, iMsg, iPic);
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
}

QString msgFrm::Input_Box(const QString &mPrompt, int mFlags, const QString &mCaption, const QString &DefaultText,
                          bool NoPointer, const QString &CheckboxTxt, quint32 mColor, double X, double Y, int Intensity)
{
    const int panelWidth = startPanel(1, iTitle, mCaption, iMsg, mPrompt, mColor, Intensity);
    const int msgWidth = panelWidth * TwipsPerPixelX - 130;
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
