#include "BoxButtons.h"

#include <QStringList>

BoxButtons LayoutButtons(int flags, const QString &btn1, const QString &btn2, const QString &btn3, double P, double B)
{
    BoxButtons set;
    const double designLefts[3] = {0, 1815, 3495};
    for (int i = 0; i < 3; ++i) set.buttons[i].left = designLefts[i];
    auto give = [&](const QStringList &captions, const QList<int> &codes) {
        for (int i = 0; i < captions.size(); ++i) set.buttons[i] = {true, captions[i], codes[i], set.buttons[i].left};
        set.count = int(captions.size());
    };
    switch (flags & 7) {
    case 0: give({"OK"}, {1}); break;
    case 1: give({"OK", "Cancel"}, {1, 2}); break;
    case 2: give({"Abort", "Retry", "Ignore"}, {3, 4, 5}); break;
    case 3: give({"Yes", "No", "Cancel"}, {6, 7, 2}); break;
    case 4: give({"Yes", "No"}, {6, 7}); break;
    case 5: give({"Retry", "Cancel"}, {4, 2}); break;
    case 6: {
        const QString captions[3] = {btn1, btn2, btn3};
        for (int i = 0; i < 3; ++i) {
            if (captions[i].isEmpty()) continue;
            set.buttons[i] = {true, captions[i], i + 1, set.buttons[i].left};
            set.count = i + 1;
        }
        // A box nobody could answer gets the one plain button.
        if (set.count == 0) give({"OK"}, {1});
        break;
    }
    case 7: give({"OK"}, {1}); break;
    }
    auto &b = set.buttons;
    switch (set.count) {
    case 1: b[0].left = (P - B) / 2; break;
    case 2:
        b[0].left = P / 3 - B / 2;
        b[1].left = P - b[0].left - B;
        break;
    case 3:
        // From the middle button's design place, before that button moves.
        b[0].left = (b[1].left - B) / 2;
        b[1].left = (P - B) / 2;
        b[2].left = P - B - b[0].left;
        break;
    }
    return set;
}

int defaultButtonFor(int flags, int current)
{
    switch (flags & 0x300) {
    case 0x000: return 1;
    case 0x100: return 2;
    case 0x200: return 3;
    }
    return current;
}

int focusButton(const BoxButtons &set, int defaultButton)
{
    if (defaultButton >= 1 && defaultButton <= 3 && set.buttons[defaultButton - 1].shown) return defaultButton - 1;
    for (int i = 0; i < 3; ++i)
        if (set.buttons[i].shown) return i;
    return -1;
}

int iconCell(int flags)
{
    switch (flags & 0x70) {
    case 0x10: return 1; // stop
    case 0x20: return 4; // question
    case 0x30: return 2; // warning
    case 0x40: return 3; // information
    case 0x50: return 5;
    case 0x60: return 6;
    case 0x70: return 7;
    }
    return 0;
}
