#pragma once

// What a list box (QComboBox) tells assistive technology. On Linux Qt tells a list box's current
// entry as its name, and its accessible name goes unsaid: a screen reader announces "kOhm, combo
// box" and never what the list is for. The program's list boxes say both, "Unit: kOhm", and a
// change of entry, which reaches a screen reader as a change of name, still says the new entry.

namespace ui
{

// From the first call on, every list box tells its accessible name and its current entry (only
// the entry when it has no name). Call it before a window makes its first list box: an
// interface, once made for a list box, stays.
void installListAccessibility();

} // namespace ui
