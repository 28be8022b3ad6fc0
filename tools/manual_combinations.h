#pragma once

// The manual's picture of the Combinations window's two searches: a value made of three E12
// parts in series and in parallel, and a divider made of E12 parts.

#include <QImage>

namespace artwork
{

QImage combinationsExample();

} // namespace artwork
