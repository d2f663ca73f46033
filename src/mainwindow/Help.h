#pragma once
// The help window: one of four topics, a title and a text, with "O.K." under it. A topic call loads
// the window when needed and fills and places it, but does not show it; the caller shows it.
#include "HelpTopics.h"
#include "forms/Form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class Help : public Form {
    Q_OBJECT
public:
    // The loaded help window, loaded (owned by the frame window) when there is none.
    static Help *window();
    // The loaded help window, or nullptr.
    static Help *loaded();

    void Mainhelp();
    void SubVormHelp();
    void TekenFormHelp();
    void SubVakkenHelp();

    // The window's own text store: the topic's text as built, CR LF between the lines.
    QString text() const { return textStore; }
    // The outer size last given, in twips.
    int widthTwips() const { return outerWidth; }
    int heightTwips() const { return outerHeight; }

    QLabel *Label1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;

    void Command1_Click();

protected:
    explicit Help(QWidget *owner);
    void Form_Load() override;
    bool unloadsOnEscape() const override { return true; }
    void resizeEvent(QResizeEvent *event) override;

private:
    void showTopic(const HelpTopicText &topic);
    void setOuterWidth(int twips);
    void setOuterHeight(int twips);
    void Form_Resize();

    QString textStore;
    int outerWidth = 0, outerHeight = 0;
    bool sizing = false;
};
