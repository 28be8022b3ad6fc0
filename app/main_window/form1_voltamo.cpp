// The main window's side of the Voltamo window: one copy, shown without blocking.

#include "main_window/form1.h"
#include "ohm_calc/frm_voltam.h"
#include "ui/placement.h"

namespace main_window
{

namespace
{

// A new window, prepared; none when its preparation failed (the user has been told).
ohm_calc::frmVoltam *loadVoltamo(ohm_calc::frmVoltam *window)
{
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    return window;
}

} // namespace

ohm_calc::frmVoltam *Form1::newVoltamoWindow()
{
    auto *window = new ohm_calc::frmVoltam(settings, SkinColours, this);
    // Closing discards the window; the next opening prepares a new one.
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void Form1::mnuVoltamo_Click()
{
    if (!voltamoWindow)
        voltamoWindow = loadVoltamo(newVoltamoWindow());
    if (!voltamoWindow)
        return;
    ui::bringForward(voltamoWindow);
}

void Form1::ReInVoltamo()
{
    if (voltamoWindow)
        voltamoWindow->ReIn();
    else
        voltamoWindow = loadVoltamo(newVoltamoWindow());
}

} // namespace main_window
