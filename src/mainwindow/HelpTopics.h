#pragma once
// The four topics of the help window: title, window size and text. The texts are the program's
// own, line by line joined with CR LF, spelling as the factory knows them.
#include <QString>

struct HelpTopicText {
    QString title;
    int widthTwips = 0;  // the window's outer size
    int heightTwips = 0;
    QString text;
};

HelpTopicText mainhelpTopic();
HelpTopicText subVormHelpTopic();
HelpTopicText tekenFormHelpTopic();
HelpTopicText subVakkenHelpTopic();

// Where the help window's controls go for an outer size of W x H twips. A step whose result would be
// a negative size is skipped (its field stays unset); the controls then stay where they were.
struct HelpLayout {
    bool hasTextWidth = false, hasTextHeight = false;
    int textWidth = 0, textHeight = 0;
    int buttonLeft = 0, buttonTop = 0;
};
HelpLayout helpLayoutFor(int W, int H, int buttonWidth);
