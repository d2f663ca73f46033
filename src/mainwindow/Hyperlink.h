#pragma once
// A one-line underlined text that opens a web page or a new mail message when clicked.
#include <QColor>
#include <QWidget>

class QLabel;

// The address a link opens: one that begins with a scheme stays as it is; one holding "@" is a mail
// address and gets "mailto:" unless it holds that already; any other gets "http://" unless it holds that.
QString hyperlinkTarget(const QString &link);

class Hyperlink : public QWidget {
    Q_OBJECT
public:
    explicit Hyperlink(QWidget *parent = nullptr);

    // Colours are 0x00BBGGRR; 0 or empty arguments take the defaults (the link as the text, no own
    // background, "Arial", 10 points, blue). An empty link is refused with a message box.
    void Init(const QString &link, const QString &text = QString(), quint32 backColour = 0,
              const QString &fontName = QString(), float fontSize = 0, quint32 foreColour = 0);

    QString target() const { return linkTarget; }
    QLabel *Label1 = nullptr;

    void Label1_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyBackground(const QColor &colour);
    void takeHostBackground();
    QString linkTarget;
    QSize sizedAt;
};
