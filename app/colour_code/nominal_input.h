#pragma once

#include <QString>

namespace colour_code {

constexpr int kInitialNominalMaxLength = 3;

struct NominalInput
{
    QString text;      // the text the box settles on
    int maxLength = kInitialNominalMaxLength; // the box's new maximum length
    bool rewritten = false; // the rules changed the text: the caret goes to the end
};

// Runs the nominal input rules on a changed text of txtNominal, including the runs that the
// rules' own rewrites start, and returns what the box settles on. bandCountIndex is the
// band-count word's index (0, 1, 2, 3 for three, four, five, six bands; six take the rules of
// five; anything else leaves the maximum length as it was, currentMaxLength).
NominalInput SettleNominalText(const QString &text, int bandCountIndex, int currentMaxLength);

} // namespace colour_code
