#pragma once
#include <QColor>

#include "app/Colour.h"

inline QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
