#include "marking_files/mark_code.h"

#include <QFile>

namespace marking_files
{
namespace
{

constexpr int kMarkCodeLength = 6;
// Six bands carry their TCR in one more character.
constexpr int kSixBandCodeLength = 7;
constexpr QChar kSixBands = u'6';

int positionsInCode(int bandCount)
{
    return bandCount == 6 ? colour_code::kBandPositionCount : colour_code::kFiveBandPositions;
}
constexpr qsizetype kMaxFileNameBytes = 255;

QChar codeCharacter(quint8 code)
{
    if (code < 10)
        return QLatin1Char(char('0' + code));
    if (code == colour_code::Grey)
        return QLatin1Char('A');
    if (code == colour_code::White)
        return QLatin1Char('B');
    return QLatin1Char('?'); // not a colour; never part of a marking the program makes
}

std::optional<quint8> codeOfCharacter(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return quint8(c.unicode() - '0');
    if (c == QLatin1Char('A'))
        return quint8(colour_code::Grey);
    if (c == QLatin1Char('B'))
        return quint8(colour_code::White);
    return std::nullopt;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

QString markCode(const Marking &marking)
{
    QString code = QString::number(marking.BandCount);
    for (int position = 0; position < positionsInCode(marking.BandCount); ++position)
        code += codeCharacter(marking.BandCodes[std::size_t(position)]);
    return code;
}

std::optional<Marking> parseMarkCode(QStringView code)
{
    if (code.isEmpty() || code[0] < QLatin1Char('0') || code[0] > QLatin1Char('9'))
        return std::nullopt;
    Marking marking;
    marking.BandCount = code[0].unicode() - '0';
    const int positions = positionsInCode(marking.BandCount);
    if (code.size() != 1 + positions)
        return std::nullopt;
    for (int position = 0; position < positions; ++position) {
        const auto c = codeOfCharacter(code[position + 1]);
        if (!c)
            return std::nullopt;
        marking.BandCodes[position] = *c;
    }
    return marking;
}

bool isValidMarking(const Marking &marking, const colour_code::ColourTables &tables)
{
    const auto used = colour_code::BandPositionsUsed(marking.BandCount);
    if (used.empty())
        return false;
    for (const quint8 c : marking.BandCodes)
        if (c >= colour_code::kColourCount)
            return false;
    for (const int position : used)
        if (colour_code::RoleValue(tables, marking.BandCodes[std::size_t(position)], position) ==
            colour_code::kNotAllowed)
            return false;
    return true;
}

QString ExtractMarkCode(QStringView path)
{
    QStringView name = path;
    if (const qsizetype dot = name.lastIndexOf(QLatin1Char('.')); dot >= 0)
        name = name.left(dot + 1);
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        if (isSeparator(name[i])) {
            name = name.mid(i + 1);
            break;
        }
    }
    const bool sixBands =
        name.size() > kMarkFilePrefix.size() && name[kMarkFilePrefix.size()] == kSixBands;
    const int length = sixBands ? kSixBandCodeLength : kMarkCodeLength;
    name = name.left(kMarkFilePrefix.size() + length);
    if (!name.startsWith(kMarkFilePrefix))
        return kNoMarkFile.toString();
    return name.right(length).toString();
}

std::optional<Marking> markingOfFile(QStringView path, const colour_code::ColourTables &tables)
{
    const QString code = ExtractMarkCode(path);
    if (code == kNoMarkFile)
        return std::nullopt;
    const std::optional<Marking> marking = parseMarkCode(code);
    if (!marking || !isValidMarking(*marking, tables))
        return std::nullopt;
    return marking;
}

QString fileNameSafe(QString text)
{
    for (QChar &c : text)
        if (isSeparator(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    return text;
}

QString markingFileName(const Marking &marking, const QString &resultLine)
{
    const QString head = kMarkFilePrefix.toString() + markCode(marking) + QLatin1Char(' ');
    const QString extension = QStringLiteral(".bmp");
    QString result = fileNameSafe(resultLine);
    while (!result.isEmpty() &&
           QFile::encodeName(head + result + extension).size() > kMaxFileNameBytes) {
        // Never split a character made of two UTF-16 units.
        result.chop(result.size() >= 2 && result.back().isLowSurrogate() ? 2 : 1);
    }
    return head + result + extension;
}

QString withBitmapExtension(const QString &path)
{
    qsizetype nameStart = path.size();
    while (nameStart > 0 && !isSeparator(path[nameStart - 1]))
        --nameStart;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > nameStart) {
        const QStringView extension = QStringView(path).mid(dot + 1);
        bool hasLetter = false;
        bool plain = !extension.isEmpty() && extension.size() <= 5;
        for (const QChar c : extension) {
            plain = plain && c.isLetterOrNumber();
            hasLetter = hasLetter || c.isLetter();
        }
        if (plain && hasLetter)
            return path;
    }
    return path + QStringLiteral(".bmp");
}

} // namespace marking_files
