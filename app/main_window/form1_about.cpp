// The about window, opened modally from the help menu.

#include "main_window/form1.h"
#include "splash_about/about_window.h"

#include <QLabel>

namespace main_window
{

void Form1::mnuAbout_Click()
{
    // Made afresh at every opening, so it reads the language file of the moment.
    splash_about::frmAbout about(settings, SkinColours.windowBackground,
                                 Label1->palette().color(QPalette::WindowText), this);
    about.Form_Load();
    about.exec();
}

} // namespace main_window
