#pragma once

// Where the schematic of an answer puts its resistors and wires, walking the network: a series
// side by side, joined by wires; a parallel one above the other between two rails. No widgets
// here: the view scales and paints what this lays out.

#include "combinations/combinations.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

namespace combination_calc
{

struct Schematic {
    struct Box {
        QRectF rect;
        QString text; // the part's value
    };
    struct Terminal {
        QPointF at;
        QString label; // written beside it ("Vin", "Vout"); may be empty
    };
    std::vector<Box> boxes;        // in the order of the parts, left to right
    std::vector<QLineF> wires;
    std::vector<QPointF> junctions; // where three wires meet
    std::vector<Terminal> terminals;
    std::vector<QPointF> grounds;   // the top of a ground symbol
    QSizeF size;                    // everything lies within (0, 0) and this
};

// The width a text takes in the font the schematic is painted with.
using TextWidth = std::function<double(const QString &)>;
// The text a part's box shows.
using PartText = std::function<QString(double ohms)>;

// A network between two terminals.
Schematic networkSchematic(const combinations::Network &network, const PartText &partText,
                           const TextWidth &textWidth);
// A divider: the input terminal, R1, the tap, R2 and ground, in a row; the two terminals carry
// the labels given (Vin and Vout in the language of the window).
Schematic dividerSchematic(const combinations::Network &r1, const combinations::Network &r2,
                           const PartText &partText, const TextWidth &textWidth,
                           const QString &inputLabel, const QString &tapLabel);

} // namespace combination_calc
