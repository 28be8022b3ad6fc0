#include "splash_about/splash_animation.h"

namespace splash_about
{

AnimationTick animationTick(qint16 animX)
{
    const auto line = [](int x1, int y1, int x2, int y2) {
        return AnimationStroke{AnimationStroke::Kind::Line, {x1, y1}, {x2, y2}};
    };
    AnimationTick tick;
    if (animX < kAnimLimit) {
        const qint16 x = qint16(animX + kAnimStep);
        tick.AnimX = x;
        tick.strokes = {
            line(x - 5, kOutlineTop, x - 5, kOutlineBottom),
            {AnimationStroke::Kind::Picture, {x, kSliceTop}, {}},
            line(x - 5, kOutlineTop, x + kAnimStep, kOutlineTop),
            line(x - 5, kOutlineBottom, x + kAnimStep, kOutlineBottom),
        };
    } else {
        tick.AnimX = animX;
        const int x = animX + kAnimStep;
        tick.strokes = {line(x, kOutlineTop, x, kOutlineBottom)};
        tick.finished = true;
    }
    return tick;
}

} // namespace splash_about
