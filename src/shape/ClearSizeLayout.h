#pragma once
// Where the shape window puts its 17 clear-size inputs for each shape code, which of them it shows,
// where it prints the overall sizes, and how much room each input row has (ClearSizeMax).
// Positions are pixels of the shape picture, from the bitmap's top-left corner.
#include "model/ProjectState.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <array>

namespace ClearSizeLayout {
enum Row { RowL = 0, RowB = 1, RowR = 2, RowM = 3 };
constexpr int RowCount = 4;
constexpr std::array<int, RowCount> RowLength = {4, 5, 6, 2}; // inputs L, B, R, M
constexpr int PictureWidth = 450, PictureHeight = 325;
constexpr int InputWidth = 35, InputHeight = 24;

// A row's maximum: W, H (or nothing) less multiples of the frame, mullion and transom thickness.
struct MaxFormula {
    char base = 0; // 'W', 'H' or 0 for a row without inputs
    int frames = 0, mullions = 0, transoms = 0;
    bool refused = false; // the text was no formula: its row reads as leaving no room
    int value(const FrameRecord &mark) const;
};
// "W-2F-Mu", "H-3F", "H-2F-2Tr", ...: W or H, then terms "-" [one digit] "F", "Mu" or "Tr"; ""
// for a row without inputs. Any other text is refused, so that the table walk sees a mistyped term.
MaxFormula parseMaxFormula(const QString &text);

// L, R, M: `common` is the left edge and `along` the top edges, top to bottom.
// B: `common` is the top edge and `along` the left edges, left to right.
struct RowPlacement {
    int common = 0;
    QList<int> along;
};

struct ShapeLayout {
    QString code;
    std::array<RowPlacement, RowCount> rows;
    std::array<MaxFormula, RowCount> maxima;
    QPoint widthText, heightText; // where the overall width (upright) and height (sideways) start
    QList<int> rowLLessRight;         // R inputs taken off row L's maximum at "Vakvulling"
    bool upperSectionWhenNew = false; // a new shape starts with UpperSectionHeight 1

    int shown(int row) const { return int(rows[row].along.size()); }
    std::array<int, RowCount> shownCounts() const;
    QPoint inputPosition(int row, int i) const; // top-left corner of input i of the row
    int variantButton() const;                  // the variant button to highlight; -1 for none
};

const QList<ShapeLayout> &all(); // the 43 codes, in the order of ShapeCodes::all()
const ShapeLayout *find(const QString &code); // nullptr for a code outside the 43

// Where the sizes go for a code outside the 43: no inputs, both texts at (0, 0).
inline QPoint unknownTextPosition() { return {0, 0}; }

// The row maxima of the mark's code; all 0 for an unknown code. A maximum that leaves the 16-bit
// range is kept as 0: its row then reads as leaving no room.
std::array<int16, RowCount> maxima(const FrameRecord &mark);

// The text printed for an overall size: a blank before a number that is not negative.
QString sizeLabel(int value);

// The message for a code whose picture is missing or unreadable: "IMG\K;;1;S.BMP niet gevonden !".
QString missingPictureMessage(const QString &code);
}
