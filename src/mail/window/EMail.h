#pragma once
// The send window: at its first activation it writes the drawing file, composes the quotation request,
// sends it to the factory, logs the attempt, reports the outcome and unloads itself. The bar in Pic1
// shows the progress of the send as a gradient from dark to light blue.
#include "forms/Form.h"
#include "model/PersonalData.h"
#include "platform/ImageCanvas.h"

#include <functional>

class QLabel;
class QVMail;

// The strip that holds the bar's picture.
class ProgressStrip : public QWidget {
    Q_OBJECT
public:
    ProgressStrip(ImageCanvas &canvas, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageCanvas &canvas_;
};

class EMail : public Form {
    Q_OBJECT
public:
    // What the window reads when it sends: the personal data, and the index of the mail method
    // (1 "WinSock", 2 "Outlook", anything else "Standaard"). The program hands it the project's.
    struct Source {
        std::function<PersonalData()> personal;
        std::function<int()> mailMethod;
    };
    static constexpr int PicWidth = 5400, PicHeight = 375; // twips

    // Makes, loads and shows the window; nullptr when it did not stay loaded.
    static EMail *Show(Source source, QWidget *owner);

    EMail(Source source, QWidget *owner);
    ~EMail() override;

    ProgressStrip *Pic1 = nullptr;
    QLabel *Label1 = nullptr;
    QVMail *QVMail1 = nullptr;
    const ImageCanvas &barPicture() const { return canvas_; }

    void ShowProgress(int percent);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool &cancel) override;

private:
    void sendQuotation();
    void WriteMailLog(const QString &status);
    void QVMail1_SendProgress(float PercentComplete);

    Source source_;
    ImageCanvas canvas_;
    bool sent_ = false;
    bool sending_ = false;
    // The bar's state, as 16-bit values.
    qint16 red = 0, redStep = 0, green = 0, greenStep = 0, blue = 0, blueStep = 0;
    qint16 lastX = 0, targetX = 0;
};
