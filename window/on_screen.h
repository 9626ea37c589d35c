#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window frame of frameSize goes when it was designed to open at
// `designed`: there, when the whole frame fits the available area; otherwise
// moved just far enough that it does. A frame larger than the area keeps its
// top-left corner (title bar, first buttons) in the area.
QPoint placeOnScreen(QPoint designed, QSize frameSize, const QRect& available);

// A frame of frameSize placed at `place` (on the area), moved `step` aside in
// each direction: right and down where the frame stays in the area, else left
// and up, else as far as the area lets it.
QPoint asideOnScreen(QPoint place, QSize frameSize, const QRect& available, QPoint step);
