#pragma once

// The accessible name of a list box (QComboBox). On Linux Qt tells assistive technology a list
// box's current entry as its name, and its accessible name goes unsaid: a screen reader
// announces "kOhm, combo box" and never what the list is for. The program's list boxes say
// both, "Unit: kOhm", and a change of entry, which reaches a screen reader as a change of name,
// still says the new entry.

#include <QString>

class QComboBox;

namespace ui
{

// Sets the list's accessible name; from the first call on, every list box of the program tells
// its name and its current entry (only the entry when it has no name).
void nameList(QComboBox *list, const QString &name);

} // namespace ui
