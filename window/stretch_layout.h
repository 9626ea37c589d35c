// The designed layout is in pixels. When the window is larger than designed,
// some controls move or grow by a share of the extra width and height; at the
// designed size every control is exactly where it was drawn.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

class StretchLayout {
public:
    // Shares of the extra width (dw) and height (dh) by which a control moves
    // (x, y) and grows (width, height).
    struct Shares {
        double x = 0, y = 0, width = 0, height = 0;
    };

    // The area's designed size; the controls' designed places are taken when
    // they are added. An area that may become smaller than designed moves and
    // shrinks its controls by the same shares.
    explicit StretchLayout(QSize designed, bool shrinks = false) : designed(designed), shrinks(shrinks) {}
    void add(QWidget* control, Shares shares);
    // Places every control for the area's new size.
    void apply(QSize size) const;

private:
    struct Rule {
        QWidget* control;
        QRect designed;
        Shares shares;
    };
    QSize designed;
    bool shrinks;
    QList<Rule> rules;
};
