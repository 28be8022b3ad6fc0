#include "combination_calc/schematic_layout.h"

#include <algorithm>

namespace combination_calc
{
namespace
{

using combinations::Network;

// Sizes in the schematic's own units (pixels at a scale of 1).
constexpr double kBoxHeight = 24;
constexpr double kBoxPadding = 10; // each side of the value
constexpr double kBoxMinWidth = 52;
constexpr double kSeriesWire = 18; // between two parts in a row
constexpr double kRowGap = 12;     // between two branches of a parallel
constexpr double kRailWire = 16;   // from a rail to the widest branch
constexpr double kLead = 26;       // from a terminal to the network
constexpr double kMargin = 14;     // around everything
constexpr double kLabelRoom = 18;  // above a labelled terminal

struct Extent {
    double width = 0, height = 0;
    double mid = 0; // where the wires enter and leave, from the top
};

class Layout
{
public:
    Layout(Schematic &out, const PartText &partText, const TextWidth &textWidth)
        : m_out(out), m_partText(partText), m_textWidth(textWidth)
    {
    }

    Extent measure(const Network &n) const
    {
        if (n.kind == Network::Kind::Part) {
            const double width = std::max(kBoxMinWidth, m_textWidth(m_partText(n.value)) + 2 * kBoxPadding);
            return {width, kBoxHeight, kBoxHeight / 2};
        }
        std::vector<Extent> children;
        for (const Network &child : n.children)
            children.push_back(measure(child));
        Extent e;
        if (n.kind == Network::Kind::Series) {
            // The children's wires line up; the tallest part above and below sets the height.
            double below = 0;
            for (const Extent &c : children) {
                e.width += c.width;
                e.mid = std::max(e.mid, c.mid);
                below = std::max(below, c.height - c.mid);
            }
            e.width += kSeriesWire * double(children.size() - 1);
            e.height = e.mid + below;
        } else {
            double widest = 0;
            for (const Extent &c : children) {
                widest = std::max(widest, c.width);
                e.height += c.height;
            }
            e.height += kRowGap * double(children.size() - 1);
            e.width = widest + 2 * kRailWire;
            e.mid = (children.front().mid + e.height - (children.back().height - children.back().mid)) / 2;
        }
        return e;
    }

    // Lays the network out with its top-left corner at (x, y).
    void place(const Network &n, double x, double y)
    {
        const Extent e = measure(n);
        if (n.kind == Network::Kind::Part) {
            m_out.boxes.push_back({QRectF(x, y, e.width, e.height), m_partText(n.value)});
            return;
        }
        if (n.kind == Network::Kind::Series) {
            double at = x;
            for (std::size_t i = 0; i < n.children.size(); ++i) {
                const Extent c = measure(n.children[i]);
                place(n.children[i], at, y + e.mid - c.mid);
                at += c.width;
                if (i + 1 < n.children.size()) {
                    m_out.wires.emplace_back(at, y + e.mid, at + kSeriesWire, y + e.mid);
                    at += kSeriesWire;
                }
            }
            return;
        }
        const double left = x + kRailWire / 2, right = x + e.width - kRailWire / 2;
        const double mid = y + e.mid;
        double top = y;
        std::vector<double> branchYs;
        for (const Network &child : n.children) {
            const Extent c = measure(child);
            const double cx = x + (e.width - c.width) / 2;
            const double wireY = top + c.mid;
            place(child, cx, top);
            m_out.wires.emplace_back(left, wireY, cx, wireY);
            m_out.wires.emplace_back(cx + c.width, wireY, right, wireY);
            branchYs.push_back(wireY);
            top += c.height + kRowGap;
        }
        m_out.wires.emplace_back(left, branchYs.front(), left, branchYs.back());
        m_out.wires.emplace_back(right, branchYs.front(), right, branchYs.back());
        m_out.wires.emplace_back(x, mid, left, mid);
        m_out.wires.emplace_back(right, mid, x + e.width, mid);
        // A dot wherever a wire meets a rail between its ends.
        for (double side : {left, right}) {
            for (double branch : branchYs)
                if (branch != branchYs.front() && branch != branchYs.back())
                    m_out.junctions.emplace_back(side, branch);
            if (mid != branchYs.front() && mid != branchYs.back() &&
                std::find(branchYs.begin(), branchYs.end(), mid) == branchYs.end())
                m_out.junctions.emplace_back(side, mid);
        }
    }

private:
    Schematic &m_out;
    const PartText &m_partText;
    const TextWidth &m_textWidth;
};

} // namespace

Schematic networkSchematic(const Network &network, const PartText &partText,
                           const TextWidth &textWidth)
{
    Schematic s;
    Layout layout(s, partText, textWidth);
    const Extent e = layout.measure(network);
    const double x = kMargin + kLead, y = kMargin;
    layout.place(network, x, y);
    const double wireY = y + e.mid;
    s.wires.emplace_back(kMargin, wireY, x, wireY);
    s.wires.emplace_back(x + e.width, wireY, x + e.width + kLead, wireY);
    s.terminals.push_back({QPointF(kMargin, wireY), QString()});
    s.terminals.push_back({QPointF(x + e.width + kLead, wireY), QString()});
    s.size = QSizeF(x + e.width + kLead + kMargin, y + e.height + kMargin);
    return s;
}

Schematic dividerSchematic(const Network &r1, const Network &r2, const PartText &partText,
                           const TextWidth &textWidth, const QString &inputLabel,
                           const QString &tapLabel)
{
    Schematic s;
    Layout layout(s, partText, textWidth);
    const Extent e1 = layout.measure(r1), e2 = layout.measure(r2);
    const double mid = kMargin + kLabelRoom + std::max(e1.mid, e2.mid);
    const double x1 = kMargin + kLead;
    layout.place(r1, x1, mid - e1.mid);
    const double tap = x1 + e1.width + kLead;
    const double x2 = tap + kLead;
    layout.place(r2, x2, mid - e2.mid);
    const double end = x2 + e2.width + kLead;

    s.wires.emplace_back(kMargin, mid, x1, mid);
    s.wires.emplace_back(x1 + e1.width, mid, x2, mid);
    s.wires.emplace_back(x2 + e2.width, mid, end, mid);
    // The tap goes up to its terminal; ground hangs below the end of R2.
    const double tapTop = kMargin + kLabelRoom - 4;
    s.wires.emplace_back(tap, mid, tap, tapTop);
    s.junctions.emplace_back(tap, mid);
    s.terminals.push_back({QPointF(kMargin, mid), inputLabel});
    s.terminals.push_back({QPointF(tap, tapTop), tapLabel});
    s.wires.emplace_back(end, mid, end, mid + 14);
    s.grounds.emplace_back(end, mid + 14);
    const double bottom = std::max({mid - e1.mid + e1.height, mid - e2.mid + e2.height, mid + 30});
    s.size = QSizeF(end + kMargin + 12, bottom + kMargin);
    return s;
}

} // namespace combination_calc
