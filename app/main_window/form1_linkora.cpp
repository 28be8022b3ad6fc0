// The Utilities menu's Linkora item: one window at a time, shown beside the main window.

#include "connection_calc/linkora_window.h"
#include "main_window/form1.h"
#include "ui/placement.h"

namespace main_window
{

connection_calc::frmLinkor *Form1::LinkoraWindow() const
{
    return m_linkora;
}

connection_calc::frmLinkor *Form1::LoadLinkora()
{
    if (m_linkora)
        return m_linkora;
    auto *window = new connection_calc::frmLinkor(settings, SkinColours, this);
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    m_linkora = window;
    return window;
}

void Form1::ReInLinkora()
{
    if (m_linkora)
        m_linkora->ReIn();
    else
        LoadLinkora();
}

void Form1::mnuLinkora_Click()
{
    connection_calc::frmLinkor *window = LoadLinkora();
    if (!window)
        return;
    ui::bringForward(window);
}

} // namespace main_window
