#include "colour_code/nominal_input.h"

#include "common/failure.h"
#include "common/numbers.h"

namespace colour_code {
namespace {

// Every rewrite changes the box's text, and a change runs the whole handler again before the
// run that made it continues with the text left behind. The rules only shorten the text or
// settle it within a few runs; the cap keeps a pathological text from recursing without end.
constexpr int kMaxRuns = 64;

class NominalRules
{
public:
    NominalRules(QString text, int bandCountIndex, int maxLength)
        : m_bandCountIndex(bandCountIndex), m_result{std::move(text), maxLength, false}
    {
    }

    NominalInput settle()
    {
        run();
        return m_result;
    }

private:
    QString &text() { return m_result.text; }
    QString charAt(int position) { return text().mid(position - 1, 1); } // 1-based, "" beyond the end

    // Setting the same text again is not a change and runs nothing.
    void rewrite(const QString &newText)
    {
        if (newText == text())
            return;
        text() = newText;
        m_result.rewritten = true;
        run();
    }

    void run()
    {
        if (++m_runs > kMaxRuns)
            return;

        qsizetype blanks = 0;
        while (blanks < text().size() && text()[blanks] == QLatin1Char(' '))
            ++blanks;
        rewrite(text().mid(blanks));

        switch (m_bandCountIndex) {
        case 0:
        case 1:
            m_result.maxLength = 3;
            ruleLeadingPoint();
            ruleWholeWithZero();
            ruleTenthsWithZero();
            ruleTwoDigits();
            ruleBelowOne();
            break;
        case 2:
        case 3: // six bands carry three digits as five do
            m_result.maxLength = text().contains(QLatin1Char('.')) ? 4 : 3;
            ruleLeadingPoint();
            ruleTenthsWithZero();
            break;
        default:
            break;
        }
    }

    // A: ".5" becomes "0.5".
    void ruleLeadingPoint()
    {
        if (charAt(1) == QStringLiteral("."))
            rewrite(QString(text()).replace(QStringLiteral("."), QStringLiteral("0.")));
    }

    void rewriteRounded(int decimals)
    {
        double value = 0;
        try {
            value = common::leadingNumber(text());
        } catch (const common::Failure &) {
            return; // beyond the double range: leave the text for the encoder to refuse
        }
        QString rounded = common::plainNumberText(common::roundHalfEven(value, decimals));
        // A number in exponent form ("4.044E+42") already has no fraction to drop: writing it
        // again would only add the blank that the next run removes, without end.
        if (QStringView(rounded).trimmed() == text())
            return;
        rewrite(rounded);
    }

    // B: "4.0" becomes "4".
    void ruleWholeWithZero()
    {
        if (charAt(2) == QStringLiteral(".") && charAt(3) == QStringLiteral("0"))
            rewriteRounded(0);
    }

    // C: "0.50" becomes "0.5".
    void ruleTenthsWithZero()
    {
        if (charAt(2) == QStringLiteral(".") && charAt(4) == QStringLiteral("0"))
            rewriteRounded(1);
    }

    // D: two significant digits at most: "475" becomes "47". A text of two characters or
    // fewer is written again unchanged, which still puts the caret at the end.
    void ruleTwoDigits()
    {
        if (charAt(3) != QStringLiteral("0") && charAt(2) != QStringLiteral(".")) {
            m_result.rewritten = true;
            rewrite(text().left(2));
        }
    }

    // E: "0.47" needs a fourth character.
    void ruleBelowOne()
    {
        if (text().startsWith(QStringLiteral("0.")))
            m_result.maxLength = 4;
    }

    int m_bandCountIndex;
    NominalInput m_result;
    int m_runs = 0;
};

} // namespace

NominalInput SettleNominalText(const QString &text, int bandCountIndex, int currentMaxLength)
{
    return NominalRules(text, bandCountIndex, currentMaxLength).settle();
}

} // namespace colour_code
