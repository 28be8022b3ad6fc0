#pragma once

// Reading help: after a decoding, whether the value is one that resistors are made in, and if
// not, which readings close to the marking are (the other end, a colour taken for its
// neighbour); after an encoding, whether the typed value is preferred and its nearest preferred
// neighbours. The hint is computed as a value and composed into plain text lines, so that the
// main window and the terminal commands show the same thing.

#include "colour_code/colour_tables.h"
#include "colour_code/preferred_values.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace colour_code
{

// A marking: its band count and the codes by band position (positions it does not use are
// carried along unchanged).
struct BandMarking {
    int bandCount = 0;
    BandCodeArray codes{};
    bool operator==(const BandMarking &) const = default;
};

struct MarkingValue {
    double ohms = 0;
    double tolerance = 0; // percent; 20 for three bands
};

// The value of a marking whose every band in use has a value in its role in the tables; none
// for any other marking (or a band count other than 3 to 6).
std::optional<MarkingValue> ValueOfMarking(const BandMarking &marking, const ColourTables &tables);

// The marking read from the other end: the bands in reverse order, each in its new role. None
// when a band has no value in its new role (gold or silver at the far end; for six bands also a
// first band without a TCR).
std::optional<BandMarking> OtherEndReading(const BandMarking &marking, const ColourTables &tables);

// Colours taken for one another, as pairs of codes: black-brown, brown-red, red-orange,
// orange-yellow, yellow-gold, green-blue, blue-violet, violet-grey, grey-white, grey-silver.
std::span<const std::pair<quint8, quint8>> LookAlikePairs();
// The look-alikes of a colour in the order of the pairs.
std::vector<quint8> LookAlikeColours(quint8 code);

struct BandChange {
    int place = 0;        // in band order from the first band, 0-based
    int bandPosition = 0; // 0..4: never the TCR band
    quint8 from = 0;      // the colour read
    quint8 to = 0;        // the look-alike
    bool operator==(const BandChange &) const = default;
};

struct LookAlikeMarking {
    BandMarking marking;
    BandChange change;
};

// The markings that differ from this one in exactly one band by a look-alike colour that has a
// value in that band's role; in band order, then in the order of the pairs. The TCR band, which
// does not change the value, takes no part.
std::vector<LookAlikeMarking> LookAlikeMarkings(const BandMarking &marking,
                                                const ColourTables &tables);

struct HintCandidate {
    enum class Kind { OtherEnd, LookAlike };
    Kind kind = Kind::OtherEnd;
    BandMarking marking;
    double ohms = 0;
    double tolerance = 0;
    Series series = Series::E6;       // where it is preferred
    std::optional<BandChange> change; // look-alikes only
};

// A preferred value offered instead of a typed one, as txtNominal and cmbEdinIzmereniya take it.
struct NeighbourChoice {
    double ohms = 0;
    QString nominalText; // "5.1"
    int unitIndex = 0;   // LangTexts 0..3
};

constexpr std::size_t kMaxHintCandidates = 3;

struct ReadingHint {
    enum class Kind { Decoded, Encoded };
    Kind kind = Kind::Decoded;
    double ohms = 0;
    double tolerance = 0;
    Series expected = Series::E6;    // the series of the tolerance
    std::optional<Series> preferred; // where the value is preferred; none when it is not
    // Decoded and preferred: the other end's reading when it is valid, preferred and different.
    std::optional<HintCandidate> otherEnd;
    // Decoded and not preferred: up to three preferred readings, the other end's first.
    std::vector<HintCandidate> candidates;
    // Encoded and not preferred: the nearest preferred values the band count can carry.
    std::optional<NeighbourChoice> below, above;
};

// The nearest preferred value in that direction that the band count can carry, within two
// decades, stepping from value to value with next. A step that does not move on ends the walk,
// and so does a number of steps that two decades never need.
using NextValue = std::optional<double> (*)(double ohms, double tolerance, Direction direction);
std::optional<NeighbourChoice> NearestChoice(double ohms, int bandCount, double tolerance,
                                             Direction direction, const ColourTables &tables,
                                             NextValue next = NextPreferred);

// The hint after decoding a marking; none for a marking without a value.
std::optional<ReadingHint> DecodedReadingHint(const BandMarking &marking,
                                              const ColourTables &tables);
// The hint after an encoding of a value in ohms at a tolerance in percent, which three bands
// take as 20 %; none for a value or tolerance not above 0.
std::optional<ReadingHint> EncodedReadingHint(int bandCount, double ohms, double tolerance,
                                              const ColourTables &tables);

// What the hint was last asked for, kept so that it can be computed again (in another
// language, say).
struct ReadingHintRequest {
    enum class Kind { None, Decoded, Encoded };
    Kind kind = Kind::None;
    BandMarking marking;  // decoded
    int bandCount = 0;    // encoded
    double ohms = 0;      // encoded
    double tolerance = 0; // encoded
};
std::optional<ReadingHint> ComputeReadingHint(const ReadingHintRequest &request,
                                              const ColourTables &tables);

// The texts of the hint in one language. %1, %2... are filled in as noted.
struct ReadingHintTexts {
    QString title;             // the hint's name
    QString preferred;         // %1 series: "E24 value"
    QString notPreferred;      // %1 expected series
    QString otherEnd;          // %1 the other end's value, a preferred one
    QString endsApart;         // how to tell the first band from the last
    QString otherEndCandidate; // %1 value
    QString lookAlike;         // %1 value, %2 band name, %3 the look-alike, %4 the colour read
    QString typedPreferred;    // %1 typed value, %2 series
    QString typedNotPreferred; // %1 typed value, %2 expected series
    std::array<QString, 5> bandNames; // by place in band order: "Second band"
    QString smdCodes;                 // %1 the value's SMD codes: "SMD: 472, 4701"
    bool operator==(const ReadingHintTexts &) const = default;
};

struct ReadingHintText {
    QStringList lines;
    QString below, above; // captions of the neighbour choices; empty when there is none
    bool warning = false; // the value is not preferred
};

// How the hint writes its numbers: as the window's display does (" .47", a regional tolerance),
// or as people write them (written_numbers.h), as the terminal does.
enum class HintNumbers { Display, Written };

// The hint in plain text. Values are written with the unit names (LangTexts 0..4), followed by
// the tolerance: "3 kOhm 5%".
ReadingHintText ComposeReadingHint(const ReadingHint &hint, const ReadingHintTexts &texts,
                                   const QStringList &unitNames,
                                   const std::array<QString, 12> &colourNames,
                                   HintNumbers numbers = HintNumbers::Display);

// The line that names the SMD codes of a value: "SMD: 472, 4701", "SMD: 4992, EIA-96 68C";
// a dash for a value no code writes.
QString SmdCodesLine(double ohms, const ReadingHintTexts &texts);

} // namespace colour_code
