#pragma once

// What combine and divider print: one line per answer in columns, or the answers as JSON for
// scripts (values in ohms, the networks' texts in English).

#include "combinations/combinations.h"
#include "command_line/output_language.h"

#include <QJsonArray>
#include <QStringList>

namespace command_line
{

// unitNames: the language file's words for ohm, kiloohm, ... (lines 15-19).
// "4.7 kOhm + (10 kOhm || 10 kOhm)   -0.213%   4.99 kOhm   4.74 kOhm to 5.24 kOhm"
QStringList combineLines(const std::vector<combinations::Answer> &answers,
                         const QStringList &unitNames, Language language);
QJsonArray combineJson(const std::vector<combinations::Answer> &answers);

// "R1 = 9.1 kOhm + 1 kOhm   R2 = 3.3 kOhm   0.275   +0.01%   0.272 to 0.278   0.89 mA"
QStringList dividerLines(const std::vector<combinations::DividerAnswer> &answers,
                         const QStringList &unitNames, Language language);
QJsonArray dividerJson(const std::vector<combinations::DividerAnswer> &answers);

// A value shown to six significant digits: "3.14159 kOhm".
QString shortValueText(double ohms, const QStringList &unitNames);

} // namespace command_line
