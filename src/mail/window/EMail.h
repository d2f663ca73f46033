#pragma once
// The send window: at its first activation it runs the send of the quotation request (QuotationSend:
// the drawing file, the request, the send, the log line and the outcome) and unloads itself. The bar
// in Pic1 shows the progress of the send as a gradient from dark to light blue.
#include "forms/Form.h"
#include "platform/ImageCanvas.h"

class QLabel;
class QuotationSend;

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
    static constexpr int PicWidth = 5400, PicHeight = 375; // twips

    // Makes, loads and shows the window; nullptr when it did not stay loaded. It sends the project's
    // drawings with its personal data over its mail method.
    static EMail *Show(QWidget *owner);

    explicit EMail(QWidget *owner);
    ~EMail() override;

    ProgressStrip *Pic1 = nullptr;
    QLabel *Label1 = nullptr;
    const ImageCanvas &barPicture() const { return canvas_; }

    void ShowProgress(int percent);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool &cancel) override;

private:
    QuotationSend *send_ = nullptr;
    ImageCanvas canvas_;
    bool sent_ = false;
    bool sending_ = false;
    // The bar's state, as 16-bit values.
    qint16 red = 0, redStep = 0, green = 0, greenStep = 0, blue = 0, blueStep = 0;
    qint16 lastX = 0, targetX = 0;
};
