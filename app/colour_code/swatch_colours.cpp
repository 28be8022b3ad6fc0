// The swatch colours as QColor, for the windows. Apart from colour_tables.cpp so that the
// terminal commands, which need only the stored values, link no Qt GUI library.
#include "colour_code/colour_tables.h"

#include "common/units.h"

namespace colour_code {

QColor CodeToColour(int code) { return common::colourFromValue(CodeToColourValue(code)); }

quint8 ColourToCode(const QColor &colour)
{
    if (!colour.isValid())
        return Silver;
    return ColourValueToCode(common::valueFromColour(colour.toRgb()));
}

std::optional<QColor> SwatchTextColour(int code)
{
    constexpr QRgb kDarkSwatchText = 0xE0E0E0;
    if (code == Black || code == Brown || code == Violet)
        return QColor::fromRgb(kDarkSwatchText);
    return std::nullopt;
}

} // namespace colour_code
