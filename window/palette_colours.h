// The window's two accent colours on the current palette. The radio items and
// the saturation curves are navy (the input modes, saturated water) and maroon
// (the saturation sub-mode, saturated steam), colours drawn for a light
// background; on a dark one they would all but vanish, so there they take light
// equivalents of the same hues.
#pragma once

#include <QColor>

class QPalette;

bool IsDarkPalette(const QPalette& palette);

struct AccentColours {
    QColor navy, maroon;
};
AccentColours AccentColoursOf(const QPalette& palette);
