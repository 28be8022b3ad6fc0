#pragma once

// What the help program reads at its start: the language name from the settings file and the
// help block at the end of that language's file. No widgets here.

#include <QString>
#include <QStringList>
#include <vector>

namespace help
{

struct HelpTopic {
    QString title;
    QString text; // the topic's lines, each followed by CR LF

    bool operator==(const HelpTopic &) const = default;
};

// The help block follows the about text: line 103 holds the number N of about lines, and the
// block starts N lines later with the window caption, the topic count T and T topics (title,
// line count L, L lines). Counts are whole counts (common::wholeCount).
struct HelpBlock {
    QString caption;
    std::vector<HelpTopic> topics; // every topic the file declares, in file order
    // False when the file breaks off (ends, or holds a count that cannot be read) before the
    // block is complete. The topics read up to there are kept; the last one may be cut short.
    bool complete = true;
    int brokenAtLine = 0; // the line that was missing or unreadable, 1-based

    bool operator==(const HelpBlock &) const = default;
};

HelpBlock parseHelpBlock(const QStringList &lines);

enum class StartProblem {
    None,
    SettingsMissing,
    SettingsUnreadable, // cannot be read, or has no line 5
    LanguageMissing,
    LanguageUnreadable,
};

struct Manual {
    StartProblem problem = StartProblem::None;
    QString problemFile; // the file the problem is about
    QString HelpLang;    // settings line 5; empty when the settings could not be read
    QString languageFile;
    HelpBlock help;
};

// The main program's Data/Settings.dat and Languages/<lang>.lng, found as the main program finds
// them: in the user's folder first, then in the program folder.
QString settingsFilePath();
QString languageFilePath(const QString &lang);

// Reads line 5 of the settings file and the help block of that language's file.
Manual loadManual();

} // namespace help
