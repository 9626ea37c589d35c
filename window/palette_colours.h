// The window's accent colours on the current palette. The radio items and
// the saturation curves are navy (the input modes, saturated water) and maroon
// (the saturation sub-mode, saturated steam), the isobar green: colours drawn
// for a light background. On a dark one they would all but vanish, so there
// they take light equivalents of the same hues, at a contrast of 3:1 or more
// on backgrounds up to a middle grey.
#pragma once

#include <QColor>

class QPalette;

bool IsDarkPalette(const QPalette& palette);

struct AccentColours {
    QColor navy, maroon, green;
};
AccentColours AccentColoursOf(const QPalette& palette);
