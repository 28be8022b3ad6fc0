#pragma once

// The about window's text and its scrolling, worked out without widgets. Geometry in twips.

#include <QString>
#include <QStringList>

namespace splash_about
{

// The viewport Picture1 and where the text Label1 starts and comes in again.
constexpr int kAboutViewportWidth = 4695;
constexpr int kAboutViewportHeight = 2535;
constexpr int kAboutTextTop = 2400;    // when the window loads
constexpr int kAboutRestartTop = 2500; // just below the viewport, after the text has left it
constexpr int kAboutScrollStep = 20;   // upwards, every tick of the 100 ms timer

// The about lines of a language file: line 103 holds the count N (leading-number rule), and
// the lines after it are taken while their counter 1, 2, 3... does not exceed N. A count larger
// than what the file holds takes the lines there are (the help block among them) rather than
// failing. Throws common::Failure naming the file when it cannot be read, ends before line
// 103 or holds a count beyond the number range.
QStringList readAboutLines(const QString &path);
QStringList aboutLines(const QString &path, const QStringList &fileLines);

// Label1's caption: every line followed by a line break.
QString aboutCaption(const QStringList &lines);

// Label1's top after one tick, given its top and height before it: a text that has left the
// viewport at the top (its lower edge above 0) starts again below it; then it moves up a step.
int nextAboutTextTop(int top, int height);

} // namespace splash_about
