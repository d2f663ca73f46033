#pragma once
// The buttons of the message box: which of the three show, their captions, answers and places.
#include <QString>
#include <array>

struct BoxButton {
    bool shown = false;
    QString caption;
    int code = 0;       // the answer the button gives
    double left = 0;    // twips in the panel
};

struct BoxButtons {
    std::array<BoxButton, 3> buttons;
    int count = 0; // the buttons the places are shared out for
};

// flags & 7 chooses the set; set 6 takes the captions given, where not empty, answering 1, 2 and 3.
// A hidden button keeps its place. panelWidth is in twips; lefts that were not set stay at the design
// places (0, 1815, 3495).
BoxButtons LayoutButtons(int flags, const QString &btn1, const QString &btn2, const QString &btn3, double panelWidth,
                         double buttonWidth = 1200);

// The default button (1 to 3) that flags & 0x300 ask for; 0x300 keeps the current one.
int defaultButtonFor(int flags, int current);

// The button that takes the focus: the default one when it shows, else the first that shows; -1 for none.
int focusButton(const BoxButtons &set, int defaultButton);

// The icon cell of the strip that flags & 0x70 ask for; 0 for no icon.
int iconCell(int flags);
