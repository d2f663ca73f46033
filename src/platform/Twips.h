#pragma once
// Window sizes, places and drawings are given in twips (1/1440 inch); the screen is taken at 96 DPI.
#include <QRect>

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) { return twips / TwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }
