#pragma once
// Colours as the program passes them around: 32 bits, 0x00BBGGRR.
#include <QColor>

constexpr quint32 RGB(int r, int g, int b) { return quint32(r) | quint32(g) << 8 | quint32(b) << 16; }
inline QColor fromBgr(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
