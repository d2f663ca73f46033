#pragma once
// The self-drawn message window: a rounded body with a soft shadow and, for the balloon, a tail that
// points at the mouse. One window for three uses, each with its own panel: the help balloon that
// closes itself (MsgAuto_box), and the modal message and input boxes (Msg_Box, Input_Box).
// It takes no level on the form-level stack, and the balloon never takes the focus.
#include "BalloonShape.h"
#include "BoxButtons.h"
#include "platform/Twips.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QEventLoop;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class msgFrm : public QWidget {
    Q_OBJECT
public:
    // The one window, made on first use.
    static msgFrm *window();
    // The open window, or nullptr.
    static msgFrm *open();

    // Colours are 0x00BBGGRR, 0 for the pale yellow. X and Y in screen pixels, 0 for the mouse.
    QString MsgAuto_box(const QString &mPrompt, int mFlags, const QString &mCaption, int nTime, bool NoPointer,
                        quint32 mColor, double X, double Y, int Intensity);
    int Msg_Box(const QString &mPrompt, int mFlags, const QString &mCaption, bool NoPointer = true,
                const QString &CheckboxTxt = QString(), const QString &Btn1 = QString(), const QString &Btn2 = QString(),
                const QString &Btn3 = QString(), quint32 mColor = 0, double X = 0, double Y = 0, int Intensity = 0);
    QString Input_Box(const QString &mPrompt, int mFlags, const QString &mCaption, const QString &DefaultText,
                      bool NoPointer = true, const QString &CheckboxTxt = QString(), quint32 mColor = 0, double X = 0,
                      double Y = 0, int Intensity = 0);
    void SetDefaultButton(int MF);

    // Window-level state, gone when the window closes.
    int TwipsPerPixelX = TwipsPerPixel, TwipsPerPixelY = TwipsPerPixel;
    QColor BoxColour;
    int BoxResult = 0;
    int DefaultButtonNumber = 0;
    QString tag; // the shadow's intensity, for reshaping after a drag

    // What the window looks like: its own image and its shape (body, shadow and tail).
    const QImage &surface() const { return image; }
    QRegion shape() const { return region; }
    Balloon::Corner tailCorner() const { return corner; }

    std::array<QFrame *, 3> F1{};
    // Message box.
    QLabel *LblTitle = nullptr, *lblmsg = nullptr, *P1 = nullptr;
    std::array<QPushButton *, 3> cmd1{};
    QCheckBox *Check1 = nullptr;
    // Input box.
    QLabel *iTitle = nullptr, *iMsg = nullptr, *iPic = nullptr;
    QLineEdit *iTxt = nullptr;
    std::array<QPushButton *, 2> iCmd{}; // 0 "Cancel", 1 "OK"
    QCheckBox *Check2 = nullptr;
    // Balloon.
    QLabel *aPic = nullptr, *aTitle = nullptr, *aMsg = nullptr, *command1 = nullptr;
    QTimer *Timer1 = nullptr;

    void command1_Click();
    void Timer1_Timer();
    void cmd1_Click(int index);
    void iCmd_Click(int index);

signals:
    // A modal box is on screen and waits for its answer.
    void boxShown();

protected:
    explicit msgFrm(QWidget *owner);
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One builder per panel, each in the file of its panel.
    void buildMessagePanel();
    void buildInputPanel();
    void buildBalloonPanel();
    // The balloon's close image: its hover and pressed faces and its click. True for an event of
    // the close image; `taken` then says whether the event stops there.
    bool closeImageEvent(QObject *watched, QEvent *event, bool &taken);
    // The title, message and icon labels of the message and input boxes, as both lay them out.
    void buildBoxTexts(QFrame *panel, const char *names[3], int messageTop, QLabel *&title, QLabel *&message,
                       QLabel *&icon);
    // A panel's texts and colour, the panel shown alone and its message wrapped to the panel's
    // width; returns that width.
    int startPanel(int index, QLabel *title, const QString &caption, QLabel *message, const QString &prompt,
                   quint32 mColor, int Intensity);
    void showPanel(int index);
    void setHeightTwips(int twips);
    void ShapeBalloonWindow(bool NoPointer, double X, double Y, int Intensity);
    void SelectIcon(int flags, int panel);
    void DrawImageButton(QLabel *image, int cell);
    void LayoutButtons(int flags, const QString &btn1, const QString &btn2, const QString &btn3);
    void focusDefaultButton();
    bool runModal(); // false when the window was closed under the box
    void useFlags(Qt::WindowFlags flags);
    void finish();
    void startDrag(QPoint globalPos);
    void ReshapeAfterDrag(int Intensity);
    int panelWidthTwips() const;
    static int wrappedHeight(QLabel *label, int widthPx);

    QImage image;
    QRegion region;
    Balloon::Corner corner = Balloon::NoCorner;
    BoxButtons buttons;
    QEventLoop *modalLoop = nullptr;
    bool dragging = false;
    QPoint dragOffset;
    bool closing = false;
};
