#pragma once
// What the panels of the message window share: the design sizes and the helpers that build them.
#include <QFont>

class QColor;
class QLabel;
class QWidget;

namespace MsgFrmPanel {
// Design sizes: the client area is 5385 twips wide; panels stand at (8, 30) pixels.
constexpr int DesignWidth = 5385, DesignHeight = 3375;
constexpr int PanelLeft = 8, PanelTop = 30;
constexpr int ButtonWidth = 1200, ButtonHeight = 375;
constexpr int InputButtonWidth = 915, InputButtonHeight = 360;

QFont face(const char *family, double points, bool bold);
// The panel's own colour behind a widget.
void fill(QWidget *w, const QColor &colour);
QLabel *label(QWidget *parent, const char *name, int left, int top, int width, int height, const QFont &font);
}
