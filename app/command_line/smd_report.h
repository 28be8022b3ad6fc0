#pragma once

// What the terminal says about SMD codes: a code read (decode 68C), and the codes of a value
// (encode 49.9k --smd), as lines and as JSON.

#include "colour_code/smd_codes.h"
#include "command_line/output_language.h"
#include "config/language_file.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <vector>

namespace command_line
{

struct SmdReport {
    QStringList lines;
    QJsonObject json;
};

// True for a word with a digit in it: a word for decode that is no colour and has one is taken
// for a code ("68C", "R47").
bool meantAsSmdCode(const QString &word);

// A code that reads: each reading's nominal and kind with its typical tolerance, after a line
// that says so when the code reads two ways.
SmdReport reportSmdCode(const QString &code, const colour_code::SmdDecoding &read,
                        const config::MainWindowTexts &texts, Language language);

// Why a code does not read.
QString smdProblemMessage(const QString &code, colour_code::SmdProblem problem, Language language);

// The codes of a value: one line, "4992, EIA-96 68C". No line when no code writes the value.
SmdReport reportSmdCodes(double ohms);

// [{"code": "4992", "kind": "four-digit", "decimal_r": false}, ...]
QJsonArray smdCodesJson(const std::vector<colour_code::SmdCode> &codes);

} // namespace command_line
