#pragma once

// The splash window's drawing animation, worked out without widgets: what each tick of its
// 200 ms timer draws on the window's surface. Coordinates are twips of the window.

#include <QList>
#include <QPoint>
#include <QtGlobal>

namespace splash_about
{

// AnimX, the animation's leading edge, when the window loads.
constexpr qint16 kAnimStart = 2800;
// The outline grows while the leading edge is left of this.
constexpr qint16 kAnimLimit = 6300;
constexpr int kAnimStep = 300;
constexpr int kOutlineTop = 1500;
constexpr int kOutlineBottom = 2270;
// Top of SMres.jpg, a little above the outline.
constexpr int kSliceTop = 1480;
// Red, green and blue of every line the animation draws.
constexpr int kAnimLineGrey = 192;

// One thing a tick draws: a line from `from` to `to`, or the picture SMres.jpg at its natural
// size with its top-left corner at `from`.
struct AnimationStroke {
    enum class Kind { Line, Picture };
    Kind kind = Kind::Line;
    QPoint from;
    QPoint to;
    bool operator==(const AnimationStroke &) const = default;
};

struct AnimationTick {
    qint16 AnimX = kAnimStart;      // after the tick
    QList<AnimationStroke> strokes; // in the order they are drawn
    bool finished = false;          // the outline is closed: the timer stops
};

// The tick that follows the leading edge animX: a growing step (the edge moves right by 300,
// a vertical line, SMres.jpg, the upper and lower edge of the new step) while the edge is left
// of 6300, otherwise the closing vertical line 300 to the right of the edge.
AnimationTick animationTick(qint16 animX);

} // namespace splash_about
