// The options dialog behind File > Preferences, and the re-initialisation that follows its OK.

#include "main_window/form1.h"
#include "options/frm_options.h"

namespace main_window
{

void Form1::mnuPreferences_Click()
{
    if (!options::showOptionsDialog(this, settings, SkinColours))
        return;
    // The dialog has written the settings file: every window loads again from the files, the
    // main window first, then the tool windows. A failed load has already ended the program.
    if (!ReIn())
        return;
    reInitToolWindows();
}

void Form1::reInitToolWindows()
{
    // Voltamo first, then Linkora: an open window takes the new language, skin and placement
    // at once; one that is not open is prepared and stays hidden. A window whose files fail
    // has told the user and stays as it was.
    ReInVoltamo();
    ReInLinkora();
}

} // namespace main_window
