#pragma once

// The palettes offer only what the colour-code tables allow: an entry whose colour has no value
// in its band's role (-1) is left out, and the entries below it in its column close the gap, so
// an older table changes the palettes without leaving holes in them. Pure code on the skin's
// geometry.

#include "colour_code/colour_tables.h"
#include "config/skin_file.h"

namespace config
{

// Moves the entries below each left-out entry of a column up into its place and shortens the
// palette by what its offered entries no longer reach, keeping its margin below them. Palettes
// whose entries are all offered keep the skin's layout exactly.
void closePaletteGaps(MainWindowSkin &skin, const colour_code::ColourTables &tables);

} // namespace config
