#pragma once
#include "platform/Twips.h"

#include <QWidget>

inline void placeTwips(QWidget *w, int left, int top, int width, int height) { w->setGeometry(twipsRect(left, top, width, height)); }
