#pragma once
// The 43 shape codes: ten basic shapes (the main screen's buttons) and their variants (the shape
// window's buttons). Codes are compared whole and case-sensitively.
#include <QList>
#include <QString>

struct BasicShape {
    int k;
    QString picture;  // base name in Vormen, without ".bmp"
    QString tooltip;
    QString basicCode;
};

struct ShapeVariant {
    int k;            // basic shape
    int i;            // variant button; -1 for the shapes without variant buttons
    QString code;
    // The drawing file: the code as the factory knows it ("" for this code itself), and the order
    // in which a mark lists its compartments (empty, or a count that does not fit: index order).
    QString factoryCode = QString();
    QList<int> exportOrder = QList<int>();
};

namespace ShapeCodes {
constexpr int BasicShapeCount = 10;
constexpr int MaxVariants = 9;
// The loose window or door: no frame, so no frame thickness, and a caption of its own.
inline constexpr char LooseCode[] = "K0";
bool isLoose(const QString &code);

const QList<BasicShape> &basicShapes();
const QList<ShapeVariant> &all(); // 43 rows, in button order
bool isShapeCode(const QString &code);
const ShapeVariant *find(const QString &code); // nullptr for a code that is not in the table

QString basicCode(int k);                 // "" outside 0..9
int variantCount(int k);                  // its variant rows; 0 outside 0..9
QString variantCode(int k, int i);        // "" where there is no such variant button
QString variantIcon(int k, int i);        // "img/" k i ".ico"; "" where there is no such button
QString pictureFile(int k, bool selected);// "Vormen/" base ("_S") ".bmp"
int basicShapeOf(const QString &code);    // -1 for a code that is not in the table
QString shapeBitmap(const QString &code); // "IMG/" code ".bmp"; "" for a code that is not in the table
QString familyWord(const QString &code);  // by the first character; "" for another
}
