// The Tools menu's Combinations item: one window at a time, shown beside the main window, whose
// answers can go to Linkora.

#include "combination_calc/combination_window.h"
#include "common/units.h"
#include "config/combination_settings.h"
#include "connection_calc/linkora_window.h"
#include "main_window/form1.h"
#include "ui/placement.h"

namespace main_window
{

combination_calc::frmCombinations *Form1::CombinationsWindow() const
{
    return m_combinations;
}

void Form1::mnuCombinations_Click()
{
    if (!m_combinations) {
        auto *window = new combination_calc::frmCombinations(settings, SkinColours, this);
        if (!window->Form_Load()) {
            delete window;
            return;
        }
        connect(window, &combination_calc::frmCombinations::toLinkora, this,
                [this](const std::vector<double> &parts, bool parallel) {
                    guarded([&] { combinationsToLinkora(parts, parallel); });
                });
        m_combinations = window;
    }
    ui::bringForward(m_combinations);
}

void Form1::combinationsToLinkora(const std::vector<double> &parts, bool parallel)
{
    connection_calc::frmLinkor *linkora = LoadLinkora();
    if (!linkora)
        return;
    linkora->takeParts(parts, parallel ? connection_calc::ConnectionMode::Parallel
                                       : connection_calc::ConnectionMode::Series);
    ui::bringForward(linkora);
}

void Form1::applyCombinationSettings(const config::CombinationSettings &read)
{
    settings.CombFormCentring = read.centring;
    const QSize design = combination_calc::frmCombinations::designSize();
    settings.CombFormW = read.size ? read.size->width : float(common::pixelsToTwips(design.width()));
    settings.CombFormH =
        read.size ? read.size->height : float(common::pixelsToTwips(design.height()));
    // Centred, or never placed yet: in the middle of the screen.
    if (read.position && !settings.isCentred(read.centring)) {
        settings.CombFormX = read.position->x;
        settings.CombFormY = read.position->y;
    } else {
        const QPointF c = ui::centredTwips(this, settings.CombFormW, settings.CombFormH);
        settings.CombFormX = float(c.x());
        settings.CombFormY = float(c.y());
    }
    settings.CombSeries = read.series;
    settings.CombParts = read.parts;
}

QStringList Form1::combinationSettingsLines() const
{
    config::CombinationSettings s;
    s.centring = settings.CombFormCentring;
    s.position = config::TwipsPosition{settings.CombFormX, settings.CombFormY};
    s.size = config::TwipsSize{settings.CombFormW, settings.CombFormH};
    s.series = settings.CombSeries;
    s.parts = settings.CombParts;
    return config::combinationSettingsLines(s, settings.LangPos1, settings.LangPos2);
}

} // namespace main_window
