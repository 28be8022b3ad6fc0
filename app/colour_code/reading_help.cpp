#include "colour_code/reading_help.h"

#include "colour_code/decoding.h"
#include "colour_code/encoding.h"
#include "colour_code/nominal_input.h"
#include "colour_code/smd_codes.h"
#include "colour_code/written_numbers.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace colour_code
{
namespace
{

constexpr std::array<std::pair<quint8, quint8>, 10> kLookAlikes = {{
    {Black, Brown},
    {Brown, Red},
    {Red, Orange},
    {Orange, Yellow},
    {Yellow, Gold},
    {Green, LightBlue},
    {LightBlue, Violet},
    {Violet, Grey},
    {Grey, White},
    {Grey, Silver},
}};

// The encoder's own cmbEdinIzmereniya offers ohm to gigaohm.
constexpr int kLargestInputUnit = 3;

bool sameNumber(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

double tableValue(const ColourTables &tables, quint8 code, int column)
{
    return RoleValue(tables, code, column);
}

std::optional<HintCandidate>
preferredCandidate(HintCandidate::Kind kind, const BandMarking &marking, const ColourTables &tables)
{
    const std::optional<MarkingValue> value = ValueOfMarking(marking, tables);
    if (!value)
        return std::nullopt;
    const std::optional<Series> series = PreferredSeries(value->ohms, value->tolerance);
    if (!series)
        return std::nullopt;
    return HintCandidate{kind, marking, value->ohms, value->tolerance, *series, std::nullopt};
}

// The preferred value as the user would type it, when the encoder turns exactly that text into
// bands of this value; none when the band count cannot carry it.
std::optional<NeighbourChoice> choiceOf(double ohms, int bandCount, double tolerance,
                                        const ColourTables &tables)
{
    const UnitValue inUnit = ChooseUnit(ohms);
    if (inUnit.unitIndex > kLargestInputUnit)
        return std::nullopt;
    // Six bands carry a value as five do; their TCR plays no part in it.
    bandCount = std::min(bandCount, 5);
    const QString text = NominalInputText(inUnit.value);
    const int bandCountIndex = bandCount - 3;
    if (SettleNominalText(text, bandCountIndex, kInitialNominalMaxLength).text != text)
        return std::nullopt;
    const QString toleranceItem =
        common::plainNumberText(common::toSingle(tolerance)).trimmed() + u'%';
    const EncodedMarking encoded =
        EncodeNominal(bandCountIndex, inUnit.unitIndex,
                      common::toSingle(common::leadingNumber(text)), toleranceItem, tables);
    if (encoded.plausibilityFailed || !encoded.unmatchedPositions.empty())
        return std::nullopt;
    BandMarking marking{bandCount, {}};
    for (const BandAssignment &a : encoded.assignments)
        marking.codes[std::size_t(a.bandPosition)] = a.code;
    const std::optional<MarkingValue> value = ValueOfMarking(marking, tables);
    if (!value || !sameNumber(value->ohms, ohms))
        return std::nullopt;
    return NeighbourChoice{ohms, text, inUnit.unitIndex};
}

QString valueText(double ohms, double tolerance, const QStringList &unitNames, HintNumbers numbers)
{
    if (numbers == HintNumbers::Written)
        return WrittenValue(ohms, {unitNames.constData(), std::size_t(unitNames.size())}) + u' ' +
               WrittenNumber(tolerance) + u'%';
    return NominalValueText(ohms, unitNames).trimmed() + u' ' +
           common::regionalNumberText(common::toSingle(tolerance)) + u'%';
}

} // namespace

std::optional<MarkingValue> ValueOfMarking(const BandMarking &marking, const ColourTables &tables)
{
    const std::span<const int> used = BandPositionsUsed(marking.bandCount);
    if (used.empty())
        return std::nullopt;
    const auto code = [&](int position) { return marking.codes[std::size_t(position)]; };
    // Six bands hold a value only where their TCR band holds one too.
    if (marking.bandCount == 6 && tableValue(tables, code(TcrBand), TcrBand) == kNotAllowed)
        return std::nullopt;
    double digits = 0;
    const int digitCount = SignificantDigitCount(marking.bandCount);
    for (int position = 0; position < digitCount; ++position) {
        const double digit = tableValue(tables, code(position), position);
        if (digit < 0)
            return std::nullopt;
        digits = digits * 10 + digit;
    }
    const double multiplier = tableValue(tables, code(MultiplierBand), MultiplierBand);
    const double tolerance =
        marking.bandCount == 3 ? 20.0 : tableValue(tables, code(ToleranceBand), ToleranceBand);
    if (!(multiplier > 0) || !(tolerance > 0) || !(digits > 0))
        return std::nullopt;
    return MarkingValue{digits * multiplier, tolerance};
}

std::optional<BandMarking> OtherEndReading(const BandMarking &marking, const ColourTables &tables)
{
    const std::span<const int> used = BandPositionsUsed(marking.bandCount);
    BandMarking reversed = marking;
    for (std::size_t place = 0; place < used.size(); ++place)
        reversed.codes[std::size_t(used[place])] =
            marking.codes[std::size_t(used[used.size() - 1 - place])];
    if (!ValueOfMarking(reversed, tables))
        return std::nullopt;
    return reversed;
}

std::span<const std::pair<quint8, quint8>> LookAlikePairs()
{
    return kLookAlikes;
}

std::vector<quint8> LookAlikeColours(quint8 code)
{
    std::vector<quint8> colours;
    for (const auto &[a, b] : kLookAlikes) {
        if (a == code)
            colours.push_back(b);
        else if (b == code)
            colours.push_back(a);
    }
    return colours;
}

std::vector<LookAlikeMarking> LookAlikeMarkings(const BandMarking &marking,
                                                const ColourTables &tables)
{
    std::vector<LookAlikeMarking> found;
    const std::span<const int> used = BandPositionsUsed(marking.bandCount);
    for (std::size_t place = 0; place < used.size(); ++place) {
        const int position = used[place];
        if (position == TcrBand)
            continue; // the TCR does not change the value
        const quint8 read = marking.codes[std::size_t(position)];
        for (const quint8 other : LookAlikeColours(read)) {
            // A colour without a value in this band's role gives a marking without a value.
            BandMarking changed = marking;
            changed.codes[std::size_t(position)] = other;
            if (ValueOfMarking(changed, tables))
                found.push_back({changed, {int(place), position, read, other}});
        }
    }
    return found;
}

std::optional<ReadingHint> DecodedReadingHint(const BandMarking &marking,
                                              const ColourTables &tables)
{
    const std::optional<MarkingValue> value = ValueOfMarking(marking, tables);
    if (!value)
        return std::nullopt;
    ReadingHint hint;
    hint.kind = ReadingHint::Kind::Decoded;
    hint.ohms = value->ohms;
    hint.tolerance = value->tolerance;
    hint.expected = *ExpectedSeries(value->tolerance);
    hint.preferred = PreferredSeries(value->ohms, value->tolerance);

    const auto differs = [&](const HintCandidate &c) {
        return !sameNumber(c.ohms, hint.ohms) || !sameNumber(c.tolerance, hint.tolerance);
    };
    std::optional<HintCandidate> otherEnd;
    if (const std::optional<BandMarking> reversed = OtherEndReading(marking, tables))
        otherEnd = preferredCandidate(HintCandidate::Kind::OtherEnd, *reversed, tables);
    if (otherEnd && !differs(*otherEnd))
        otherEnd.reset();
    if (hint.preferred) {
        hint.otherEnd = otherEnd;
        return hint;
    }

    if (otherEnd)
        hint.candidates.push_back(*otherEnd);
    for (const LookAlikeMarking &alike : LookAlikeMarkings(marking, tables)) {
        if (hint.candidates.size() == kMaxHintCandidates)
            break;
        std::optional<HintCandidate> c =
            preferredCandidate(HintCandidate::Kind::LookAlike, alike.marking, tables);
        if (!c)
            continue;
        // Two ways to the same value: the first one found says it.
        const bool known = std::any_of(
            hint.candidates.begin(), hint.candidates.end(), [&](const HintCandidate &k) {
                return sameNumber(k.ohms, c->ohms) && sameNumber(k.tolerance, c->tolerance);
            });
        if (known)
            continue;
        c->change = alike.change;
        hint.candidates.push_back(*c);
    }
    return hint;
}

std::optional<NeighbourChoice> NearestChoice(double ohms, int bandCount, double tolerance,
                                             Direction direction, const ColourTables &tables,
                                             NextValue next)
{
    // Two decades hold no more preferred values than E192 and E24 together.
    constexpr int kMostSteps = 2 * (192 + 24);
    double at = ohms;
    for (int step = 0; step < kMostSteps; ++step) {
        const std::optional<double> value = next(at, tolerance, direction);
        // A step that does not move on would repeat itself for ever.
        if (!value || (direction == Direction::Below ? !(*value < at) : !(*value > at)) ||
            *value > ohms * 100 || *value < ohms / 100)
            break;
        if (auto choice = choiceOf(*value, bandCount, tolerance, tables))
            return choice;
        at = *value;
    }
    return std::nullopt;
}

std::optional<ReadingHint> EncodedReadingHint(int bandCount, double ohms, double tolerance,
                                              const ColourTables &tables)
{
    // Three bands carry no tolerance band: such a resistor is a 20 % one.
    if (bandCount == 3)
        tolerance = 20;
    const std::optional<Series> expected = ExpectedSeries(tolerance);
    if (!expected || !(ohms > 0) || !std::isfinite(ohms))
        return std::nullopt;
    ReadingHint hint;
    hint.kind = ReadingHint::Kind::Encoded;
    hint.ohms = ohms;
    hint.tolerance = tolerance;
    hint.expected = *expected;
    hint.preferred = PreferredSeries(ohms, tolerance);
    if (!hint.preferred) {
        hint.below = NearestChoice(ohms, bandCount, tolerance, Direction::Below, tables);
        hint.above = NearestChoice(ohms, bandCount, tolerance, Direction::Above, tables);
    }
    return hint;
}

std::optional<ReadingHint> ComputeReadingHint(const ReadingHintRequest &request,
                                              const ColourTables &tables)
{
    switch (request.kind) {
    case ReadingHintRequest::Kind::Decoded:
        return DecodedReadingHint(request.marking, tables);
    case ReadingHintRequest::Kind::Encoded:
        return EncodedReadingHint(request.bandCount, request.ohms, request.tolerance, tables);
    case ReadingHintRequest::Kind::None:
        break;
    }
    return std::nullopt;
}

ReadingHintText ComposeReadingHint(const ReadingHint &hint, const ReadingHintTexts &texts,
                                   const QStringList &unitNames,
                                   const std::array<QString, 12> &colourNames, HintNumbers numbers)
{
    ReadingHintText text;
    text.warning = !hint.preferred;
    const QString typed = valueText(hint.ohms, hint.tolerance, unitNames, numbers);
    const QString expected = SeriesName(hint.expected);
    const auto of = [&](const HintCandidate &c) {
        return valueText(c.ohms, c.tolerance, unitNames, numbers);
    };

    if (hint.kind == ReadingHint::Kind::Encoded) {
        if (hint.preferred) {
            text.lines << texts.typedPreferred.arg(typed, SeriesName(*hint.preferred));
            return text;
        }
        text.lines << texts.typedNotPreferred.arg(typed, expected);
        if (hint.below)
            text.below = valueText(hint.below->ohms, hint.tolerance, unitNames, numbers);
        if (hint.above)
            text.above = valueText(hint.above->ohms, hint.tolerance, unitNames, numbers);
        return text;
    }

    if (hint.preferred) {
        text.lines << texts.preferred.arg(SeriesName(*hint.preferred));
        if (hint.otherEnd)
            text.lines << texts.otherEnd.arg(of(*hint.otherEnd)) << texts.endsApart;
        return text;
    }
    text.lines << texts.notPreferred.arg(expected);
    for (const HintCandidate &c : hint.candidates) {
        if (!c.change) {
            text.lines << texts.otherEndCandidate.arg(of(c));
            continue;
        }
        const BandChange &change = *c.change;
        text.lines << texts.lookAlike.arg(of(c), texts.bandNames[std::size_t(change.place)],
                                          colourNames[change.to], colourNames[change.from]);
    }
    return text;
}

QString SmdCodesLine(double ohms, const ReadingHintTexts &texts)
{
    const QString codes = SmdCodeList(EncodeSmdCodes(ohms));
    return texts.smdCodes.arg(codes.isEmpty() ? QStringLiteral("—") : codes);
}

} // namespace colour_code
