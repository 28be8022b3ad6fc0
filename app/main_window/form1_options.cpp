// The options dialog behind File > Preferences, and the re-initialisation that follows its OK.

#include "combination_calc/combination_window.h"
#include "common/failure.h"
#include "common/text_file.h"
#include "connection_calc/linkora_window.h"
#include "main_window/form1.h"
#include "main_window/load_files.h"
#include "ohm_calc/frm_voltam.h"
#include "options/options_opening.h"
#include "splash_about/about_window.h"
#include "ui/fixed_texts.h"
#include "ui/seams.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QTimer>

namespace main_window
{

// Everything the windows read when they load under one set of settings lines.
struct Form1::WindowFiles {
    MainWindowFiles main;
    ohm_calc::VoltamoPreparation voltamo;
    connection_calc::LinkoraPreparation linkora;
};

Form1::WindowFiles Form1::readWindowFiles(const config::SettingsFile &file) const
{
    WindowFiles files{readMainWindowFiles(file, tables), {}, {}};
    // The tool windows and the about window read under what the main window would publish.
    config::GlobalSettings next = settings;
    next.SkinName = file.SkinName();
    next.Lang = file.Lang();
    publishSkin(files.main.skin, next);
    files.voltamo = ohm_calc::readVoltamoPreparation(next);
    files.linkora = connection_calc::readLinkoraPreparation(next);
    splash_about::readAboutPreparation(next);
    return files;
}

options::OptionsContext Form1::optionsContext(const QStringList &liveLines) const
{
    options::OptionsContext context;
    context.liveLines = liveLines;
    context.texts = m_optionsTexts;
    for (int i = 0; i < 5; ++i)
        context.unitNames[i] = texts.LangTexts.value(i);
    context.check = [this](const QStringList &lines) {
        readWindowFiles({config::settingsFilePath(), lines.mid(0, config::kSettingsLineCount),
                         lines.mid(config::kSettingsLineCount)});
    };
    return context;
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    scheduleOptionsDialog();
}

void Form1::scheduleOptionsDialog()
{
    // Long enough for the window to have been drawn, short against a user's reach for the menu.
    QTimer::singleShot(250, this, [this] { prepareOptionsDialog(); });
}

void Form1::prepareOptionsDialog()
{
    // Not while a modal window runs: the dialog is made for the state that window leaves.
    if (nextOptionsDialog || !isVisible() || QApplication::activeModalWidget())
        return;
    try {
        nextOptionsDialog =
            options::prepareOptionsDialog(this, settings, SkinColours,
                                          optionsContext(liveSettingsLines()))
                .release();
    } catch (const std::exception &) {
        // The opening makes its dialog itself, and tells what it cannot read.
    }
}

void Form1::mnuPreferences_Click()
{
    // The dialog starts from the live state, and OK takes it again: a window may have been
    // moved while the dialog was open. The tool windows store theirs at once.
    const auto live = [this] {
        if (m_linkora)
            m_linkora->keepSettingsCurrent();
        if (voltamoWindow)
            voltamoWindow->keepSettingsCurrent();
        if (m_combinations)
            m_combinations->keepSettingsCurrent();
        return liveSettingsLines();
    };
    options::OptionsContext context = optionsContext(live());
    context.currentLines = live;

    const config::GlobalSettings before = settings;
    QStringList previousFile;
    try {
        previousFile = common::readTextLines(config::settingsFilePath());
    } catch (const common::Failure &) {
        previousFile = context.liveLines;
    }
    std::unique_ptr<options::frmOptions> prepared(nextOptionsDialog.data());
    nextOptionsDialog = nullptr;
    const bool applied =
        options::showOptionsDialog(this, settings, SkinColours, context, std::move(prepared));
    scheduleOptionsDialog();
    if (!applied)
        return;
    try {
        reInitWindows();
    } catch (const common::Failure &failure) {
        // A file went between the check and the reload: nothing has changed in the windows, so
        // the previous settings are put back under them.
        settings = before;
        QString detail = failure.message();
        try {
            common::writeTextLines(config::settingsFilePath(), previousFile);
        } catch (const common::Failure &notRestored) {
            detail += QStringLiteral("\n") + notRestored.message();
        }
        ui::showMessage(this, {ui::explained(settings.Lang,
                                             QStringLiteral("Настройки не применены, прежние настройки восстановлены."),
                                             QStringLiteral("The settings were not applied; the previous ones are back."),
                                             detail),
                               QStringLiteral("Bandolin"), ui::MessageIcon::Error});
    }
}

void Form1::reInitWindows()
{
    // Every window's files are read before any window changes; then the main window loads
    // again, then Voltamo, then Linkora. A tool window that is not open is prepared and stays
    // hidden.
    const WindowFiles files = readWindowFiles(config::readSettingsFile(config::settingsFilePath()));
    reapplyMainWindowFiles(files.main);
    if (!voltamoWindow)
        voltamoWindow = newVoltamoWindow();
    voltamoWindow->prepare(files.voltamo);
    if (!m_linkora)
        m_linkora = new connection_calc::frmLinkor(settings, SkinColours, this);
    m_linkora->prepare(files.linkora);
    // Combinations is prepared again only while it is open; it reads the files Linkora has read.
    if (m_combinations)
        m_combinations->ReIn();
}

void Form1::reapplyMainWindowFiles(const MainWindowFiles &files)
{
    // The language fills the two lists afresh: their choices are kept by place.
    const int bandCount = cmbPolosok->currentIndex();
    const int unit = cmbEdinIzmereniya->currentIndex();
    HidePalettes();
    applyWindowSettings(files);
    ApplySkin(files);
    tables = files.tables;
    offerPaletteEntries();
    offerTcrItems();
    colourDisplayAndTolerance();
    cmbPolosok->setCurrentIndex(bandCount);
    cmbEdinIzmereniya->setCurrentIndex(unit);
    layOutBands();
    for (int i = 0; i < colour_code::kBandPositionCount; ++i)
        showBand(i, m_bandLooks[i]);
    repaintDisplay();
    showDisplayTexts();
    mnuManual->setEnabled(QFileInfo(helpProgramPath()).isExecutable());
    colourMenuBar();
}

} // namespace main_window
