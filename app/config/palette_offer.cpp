#include "config/palette_offer.h"

#include <algorithm>
#include <cmath>

namespace config
{
namespace
{

using colour_code::PaletteEntry;

// Entries of one column overlap by more than half their width; neighbouring columns touch, or
// share a border line.
bool sameColumn(const TwipsPoint &a, const TwipsPoint &b)
{
    return std::abs(a.left - b.left) < kPaletteEntrySize.width / 2;
}

float lowestBottom(const MainWindowSkin &skin, const std::vector<PaletteEntry> &entries)
{
    float bottom = 0;
    for (const PaletteEntry &e : entries)
        bottom =
            std::max(bottom, skin.lblColor[std::size_t(e.lblColor)].top + kPaletteEntrySize.height);
    return bottom;
}

} // namespace

void closePaletteGaps(MainWindowSkin &skin, const colour_code::ColourTables &tables)
{
    for (int position = 0; position < colour_code::kPaletteCount; ++position) {
        const auto all = colour_code::PaletteEntries(position);
        const std::vector<PaletteEntry> everyEntry(all.begin(), all.end());
        const std::vector<PaletteEntry> offered = colour_code::OfferedEntries(position, tables);
        if (offered.size() == everyEntry.size())
            continue;
        const float reachedBefore = lowestBottom(skin, everyEntry);

        std::vector<PaletteEntry> leftOut;
        for (const PaletteEntry &e : everyEntry)
            if (std::none_of(offered.begin(), offered.end(),
                             [&e](const PaletteEntry &o) { return o.lblColor == e.lblColor; }))
                leftOut.push_back(e);
        // Each gap is taken where the earlier moves have left it (left-out entries move too).
        for (const PaletteEntry &gap : leftOut) {
            const TwipsPoint place = skin.lblColor[std::size_t(gap.lblColor)];
            std::vector<TwipsPoint *> below;
            for (const PaletteEntry &e : everyEntry) {
                TwipsPoint &p = skin.lblColor[std::size_t(e.lblColor)];
                if (e.lblColor != gap.lblColor && sameColumn(p, place) && p.top > place.top)
                    below.push_back(&p);
            }
            if (below.empty())
                continue;
            const float rise = (*std::min_element(below.begin(), below.end(),
                                                  [](auto *a, auto *b) { return a->top < b->top; }))
                                   ->top -
                               place.top;
            for (TwipsPoint *p : below)
                p->top -= rise;
        }

        const float shorter = reachedBefore - lowestBottom(skin, offered);
        if (shorter > 0)
            skin.picPalleteSizes[std::size_t(position)].height -= shorter;
    }
}

} // namespace config
