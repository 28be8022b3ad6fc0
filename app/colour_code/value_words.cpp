#include "colour_code/value_words.h"

#include "common/failure.h"
#include "common/numbers.h"

#include <QRegularExpression>

namespace colour_code
{
namespace
{

using Problem = ResistanceWord::Problem;

// The power of ten of a letter; none for a letter that is not one of them.
std::optional<int> letterExponent(QChar letter)
{
    switch (letter.unicode()) {
    case u'R':
    case u'r':
        return 0;
    case u'k':
    case u'K':
    case u'к':
    case u'К':
        return 3;
    case u'M':
    case u'М':
        return 6;
    case u'G':
    case u'g':
    case u'Г':
    case u'г':
        return 9;
    case u'T':
    case u't':
    case u'Т':
    case u'т':
        return 12;
    default:
        return std::nullopt;
    }
}

bool isLowerCaseM(QChar letter)
{
    return letter == u'm' || letter == u'м';
}

QString withoutUnitName(const QString &text)
{
    for (const QString &unit : {QStringLiteral("ohms"), QStringLiteral("ohm"), QStringLiteral("ом"),
                                QStringLiteral("Ω"), QStringLiteral("Ω")})
        if (text.endsWith(unit, Qt::CaseInsensitive))
            return text.chopped(unit.size());
    return text;
}

// A decimal number of digits with at most one point or comma; the comma becomes a point. None
// when it is not one.
std::optional<QString> decimalDigits(const QString &text, Problem &problem)
{
    static const QRegularExpression number(QStringLiteral("^(\\d*)([.,](\\d*))?$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(3).isEmpty()))
        return std::nullopt;
    // "4,700" reads as 4.7 in Russian and as 4700 in English.
    if (text.contains(QLatin1Char(',')) && match.captured(3).size() == 3 &&
        !match.captured(1).isEmpty()) {
        problem = Problem::AmbiguousComma;
        return std::nullopt;
    }
    QString digits = text;
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    return digits;
}

ResistanceWord refused(Problem problem)
{
    return {problem, 0};
}

} // namespace

ResistanceWord parseResistance(const QString &text)
{
    QString compact = text;
    compact.remove(QRegularExpression(QStringLiteral("\\s")));
    compact = withoutUnitName(compact);

    qsizetype letterAt = -1;
    for (qsizetype i = 0; i < compact.size(); ++i) {
        const QChar c = compact[i];
        if (c.isDigit() || c == u'.' || c == u',')
            continue;
        if (isLowerCaseM(c))
            return refused(Problem::LowerCaseM);
        if (letterAt >= 0 || !letterExponent(c))
            return refused(Problem::NotAValue);
        letterAt = i;
    }

    Problem problem = Problem::None;
    QString mantissa;
    int exponent = 0;
    if (letterAt < 0) {
        const auto digits = decimalDigits(compact, problem);
        if (!digits)
            return refused(problem == Problem::None ? Problem::NotAValue : problem);
        mantissa = *digits;
    } else {
        exponent = *letterExponent(compact[letterAt]);
        const QString before = compact.left(letterAt);
        const QString after = compact.mid(letterAt + 1);
        if (after.isEmpty()) { // "4.7k", "470R"
            const auto digits = decimalDigits(before, problem);
            if (!digits)
                return refused(problem == Problem::None ? Problem::NotAValue : problem);
            mantissa = *digits;
        } else { // the letter is the decimal point: "4k7", "R47"
            static const QRegularExpression onlyDigits(QStringLiteral("^\\d*$"));
            if (!onlyDigits.match(before).hasMatch() || !onlyDigits.match(after).hasMatch())
                return refused(Problem::NotAValue);
            mantissa = before + QLatin1Char('.') + after;
        }
    }
    if (mantissa.endsWith(QLatin1Char('.')))
        mantissa.chop(1);
    // Read as one decimal number, so that "4.7k" is the double nearest to 4700.
    try {
        return {Problem::None,
                common::leadingNumber(mantissa + QStringLiteral("E") + QString::number(exponent))};
    } catch (const common::Failure &) { // beyond the double range
        return refused(Problem::NotAValue);
    }
}

namespace
{

// The text without its blanks and a leading plus-minus sign.
QString withoutSign(const QString &text)
{
    QString compact = text;
    compact.remove(QRegularExpression(QStringLiteral("\\s")));
    for (const QString &sign : {QStringLiteral("±"), QStringLiteral("+-"), QStringLiteral("+/-")})
        if (compact.startsWith(sign))
            compact.remove(0, sign.size());
    return compact;
}

} // namespace

std::optional<double> parseTolerance(const QString &text)
{
    QString compact = withoutSign(text);
    if (compact.endsWith(QLatin1Char('%')))
        compact.chop(1);
    compact.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!number.match(compact).hasMatch())
        return std::nullopt;
    return common::leadingNumber(compact);
}

std::optional<double> parseTcr(const QString &text)
{
    static const QRegularExpression written(QStringLiteral("^(\\d+(\\.\\d*)?)(ppm(/K)?)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = written.match(withoutSign(text));
    if (!match.hasMatch())
        return std::nullopt;
    return common::leadingNumber(match.captured(1));
}

int significantDigits(double value)
{
    // 15 digits, as the number texts write a double, so 0.1 + 0.2 does not count 17.
    QString digits = common::plainNumberText(value).trimmed();
    const qsizetype exponentAt = digits.indexOf(QLatin1Char('E'));
    if (exponentAt >= 0)
        digits.truncate(exponentAt);
    digits.remove(QLatin1Char('.'));
    digits.remove(QLatin1Char('-'));
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return int(digits.size());
}

} // namespace colour_code
