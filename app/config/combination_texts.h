#pragma once

// The Combinations window's texts: the later lines of a language file from FirstCombinationLine
// on, with its menu item and its place in the options dialog.

#include "config/language_file.h"

#include <QString>
#include <QStringList>

namespace config
{

struct CombinationTexts {
    QString menuCaption;     // Tools > Combinations
    QString windowCaption;
    QString optValue;        // the two kinds of search
    QString optDivider;
    QString lblTarget;
    QString txtTargetTip;
    QString unitName;        // a unit list's name, after the caption of its value
    QString lblVin;
    QString optVout;
    QString optRatio;
    QString txtVinTip;
    QString lblTotalFrom;    // the range of R1 + R2
    QString lblTotalTo;
    QString lblSeries;
    QString lblParts;        // value search: parts of the whole network
    QString lblPartsPerSide; // divider: parts of each side
    QString lblTolerance;
    QString seriesTolerance; // the tolerance list's first item: %1 the series' own tolerance
    QString lblExclude;
    QString txtExcludeTip;
    QString chkStock;
    QString chkStockTip;     // %1 the stock file
    QString headerTotal;
    QString headerRatio;
    QString headerError;
    QString headerParts;
    QString headerEnvelope;
    QString headerCurrent;
    QString answersName;
    QString schematicName;
    QString cmdToLinkora;
    QString cmdToLinkoraTip;
    QString cmdCopy;
    QString cmdCopyTip;
    QString noTarget;        // status line
    QString notAValue;       // %1 the text
    QString ratioOutOfRange;
    QString searching;
    QString answerCount;     // %1
    QString noAnswer;
    QString noStockFile;     // %1 the file
    QString emptyStock;      // %1 the file
    QString stockProblems;   // %1 how many lines, %2 the first problem
    QString copiedValue;     // %1 network, %2 total, %3 error, %4 lowest, %5 highest
    QString copiedDivider;   // %1 R1, %2 R2, %3 ratio, %4 error, %5 lowest, %6 highest
    QString copiedCurrent;   // %1 the current at Vin
    QString milliampere;
    QString microampere;
    QString optionsFrame;    // the options dialog's frame of this window
    QString optionsPlacement;

    bool operator==(const CombinationTexts &) const = default;
};

// How many later lines the window has, FirstCombinationLine on.
int combinationLineCount();

// The texts of a language file's lines (the whole file). A line the file does not have, or one
// without each of its marks %1, %2..., gives way to the built-in text of the language lang
// (inLanguage).
CombinationTexts combinationTexts(const QStringList &lines, const QString &lang);
// The same, read from the file of the language. Throws common::Failure naming the file when it
// cannot be read.
CombinationTexts readCombinationTexts(const QString &lang);

} // namespace config
