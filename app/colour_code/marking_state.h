#pragma once

#include "colour_code/colour_tables.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace colour_code
{

// The marking being worked on.
struct MarkingState {
    quint8 BandCount = 0;
    BandCodeArray BandCodes{};
    float Tolerance = 0;
    quint8 EditedBand = 0;
    QString DeviationText;
    QString ResultLine;
};

} // namespace colour_code
