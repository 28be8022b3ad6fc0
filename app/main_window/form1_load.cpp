// The main window's load and shutdown: settings, language, skin, tables, the last resistor.

#include "combination_calc/combination_window.h"
#include "common/sharp_picture.h"
#include "common/failure.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "common/units.h"
#include "config/settings_file.h"
#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "main_window/load_files.h"
#include "main_window/resistor_display.h"
#include "marking_files/mark_code.h"
#include "ui/click_label.h"
#include "ui/placement.h"
#include "ui/seams.h"
#include "ui/skin_colours.h"
#include "ui/window_surface.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace main_window {

using namespace config;
using ui::placeAt;
using ui::placeCombo;
using ui::placeRect;
using ui::setBackgroundColour;
using ui::setFontSize;
using ui::setTextColour;

namespace {

using common::twipsToPixels;

QColor colour(quint32 value) { return common::colourFromValue(value); }

} // namespace

bool Form1::Form_Load()
{
    try {
        if (!m_lock) {
            // One copy per program folder, user and machine; a lock left by a crashed copy is
            // taken over. A user's folder that cannot be made shows up as the settings file
            // that cannot be written.
            common::makeUserFolder();
            auto lock = std::make_unique<QLockFile>(common::lockFilePath());
            lock->setStaleLockTime(0);
            if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
                ui::endProgram(0);
                return false;
            }
            m_lock = std::move(lock);
        }
        if (!common::fileExists(settingsFilePath()))
            createSettings();
        // Everything is read before any control changes.
        applyMainWindowFiles(readMainWindowFiles(readSettingsFile(settingsFilePath()), tables));
        Timer1->start();
        Timer2->start();
        return true;
    } catch (const std::exception &e) {
        const auto *failure = dynamic_cast<const common::Failure *>(&e);
        const QString detail = failure ? failure->message() : QString::fromLocal8Bit(e.what());
        Timer1->stop();
        Timer2->stop();
        if (texts.LangTexts.value(13).isEmpty()) {
            // Nothing applied yet: the message is in the language the settings name, when it
            // can be read.
            try {
                const MainWindowTexts named =
                    readMainWindowTexts(languageFilePath(readSettingsFile(settingsFilePath()).Lang()));
                texts.LangTexts[13] = named.LangTexts[13];
                texts.LangTexts[14] = named.LangTexts[14];
            } catch (const common::Failure &) {
            }
        }
        // Before any language file has been read there is no text of the language to show.
        const QString text = texts.LangTexts.value(13).isEmpty()
                                 ? QStringLiteral("Bandolin не может запуститься.\nBandolin cannot start.")
                                 : texts.LangTexts.value(13);
        const QString title = texts.LangTexts.value(14).isEmpty() ? QStringLiteral("Bandolin")
                                                                  : texts.LangTexts.value(14);
        ui::showMessage(this, {text + QStringLiteral("\n\n") + detail, title});
        ui::endProgram(1);
        return false;
    }
}

void Form1::applyMainWindowFiles(const MainWindowFiles &files)
{
    applySettings(files);
    ApplySkin(files);
    tables = files.tables;
    offerPaletteEntries();
    offerTcrItems();
    colourDisplayAndTolerance();
    cmbPolosok_Click();
    mnuManual->setEnabled(QFileInfo(helpProgramPath()).isExecutable());
    // A refused encoding resets the display, and with it the hint.
    if (restoreLastResistor() && encodeInputs())
        showDecodedHint();
    colourMenuBar();
    if (!LoadedFlag)
        cmbPolosok->setFocus(Qt::OtherFocusReason); // where the window opens
    LoadedFlag = true;
}

void Form1::colourDisplayAndTolerance()
{
    setTextColour(lblMonitor, colour(skin.LabelColours[4]));
    setTextColour(lblInfoMonitor, colour(skin.LabelColours[3]));
    setBackgroundColour(cmbDopusk, colour(skin.ComboBoxColours[0]));
}

void Form1::applySettings(const MainWindowFiles &files)
{
    applyWindowSettings(files);
    const Settings &read = files.settings;
    PictureName = kPictureName;
    selectBandCount(read.bandCountIndex);
    cmbEdinIzmereniya->setCurrentIndex(read.unitIndex);
    cmbDopusk->setCurrentIndex(read.toleranceIndex);
    settings.Temp01 = read.Temp01;
}

void Form1::applyWindowSettings(const MainWindowFiles &files)
{
    settings.SkinName = files.file.SkinName();
    LoadLanguage(files.file.Lang(), files.texts);
    m_optionsTexts = files.optionsTexts;

    const Settings &read = files.settings;

    settings.FormCentring = read.FormCentring;
    if (read.windowPosition)
        move(twipsToPixels(read.windowPosition->x), twipsToPixels(read.windowPosition->y));
    settings.ConnectFormCentring = read.ConnectFormCentring;
    if (read.connectFormPosition) {
        settings.ConnectFormX = read.connectFormPosition->x;
        settings.ConnectFormY = read.connectFormPosition->y;
    }
    settings.OmFormCentring = read.OmFormCentring;
    if (read.omFormPosition) {
        settings.OmFormX = read.omFormPosition->x;
        settings.OmFormY = read.omFormPosition->y;
    }
    settings.LastResistInCon = read.LastResistInCon;
    settings.LastConnect = read.LastConnect;
    settings.ConRound = read.ConRound;
    settings.OmRound = read.OmRound;
    settings.VoltamLastUIR = read.VoltamLastUIR;
    mnuCombinations->setText(files.combinationTexts.menuCaption);
    applyCombinationSettings(files.combinationSettings);
    // A file from before the Combinations window gets its lines only once they hold something
    // of the user's, so an old file comes back unchanged from a run that changed nothing.
    m_combinationLinesUnwritten =
        files.file.laterLines.isEmpty() ? combinationSettingsLines() : QStringList();
}

void Form1::LoadLanguage(const QString &name, const MainWindowTexts &t)
{
    settings.Lang = name;

    const std::array<QAction *, 10> menuItems = {mnuFile->menuAction(), mnuNew, mnuOpen, mnuSaveAs,
                                                 mnuPreferences, mnuExit, mnuUtils->menuAction(),
                                                 mnuHelp->menuAction(), mnuManual, mnuAbout};
    for (int i = 0; i < 10; ++i)
        menuItems[i]->setText(t.MenuCaptions[i]);
    // A file from before File > Copy has no line for it.
    mnuCopy->setText(t.CopyCaption.value_or(inLanguage(
        name, QStringLiteral("Ко&пировать"), QStringLiteral("&Copy"), QStringLiteral(" / "))));

    texts.NotChosenText = t.NotChosenText;
    for (ClickLabel *band : lblPoloska)
        band->setText(texts.NotChosenText);

    cmbEdinIzmereniya->clear();
    for (int i = 0; i < 5; ++i)
        texts.LangTexts[i] = t.LangTexts[i];
    for (int i = 0; i < 4; ++i)
        cmbEdinIzmereniya->addItem(t.LangTexts[i]);
    cmbEdinIzmereniya->setAccessibleName(t.UnitListName);

    cmbPolosok->clear();
    for (int i = 0; i < colour_code::kBandCountWords; ++i) {
        texts.BandCountNames[i] = t.BandCountNames[i];
        cmbPolosok->addItem(t.BandCountNames[i]);
    }
    texts.SixBands = t.SixBands;
    lbl[5]->setText(t.SixBands.bandTitle);
    lblTcr->setText(t.SixBands.tcrCaption);
    cmbTcr->setToolTip(t.SixBands.tcrToolTip);
    cmbTcr->setAccessibleDescription(t.SixBands.tcrToolTip);
    picPallete[colour_code::TcrBand]->setAccessibleName(t.SixBands.paletteName);

    texts.ColourNames = t.ColourNames;
    texts.ReadingHint = t.ReadingHint;
    for (int i = 0; i < colour_code::kLblColorCount; ++i)
        lblColor[i]->setText(texts.ColourNames[colour_code::LblColorCode(i)]);

    settings.LangPos2 = t.LangPos2;
    settings.LangPos1 = t.LangPos1;

    const std::array<QWidget *, 12> captioned = {Label1, Label2, lbl[0],   lbl[1],   lbl[2], lbl[3],
                                                 lbl[4], Command1, Command2, Label3, Label4, Label5};
    for (int i = 0; i < 12; ++i) {
        if (auto *label = qobject_cast<QLabel *>(captioned[i]))
            label->setText(t.ControlCaptions[i]);
        else if (auto *button = qobject_cast<QPushButton *>(captioned[i]))
            button->setText(t.ControlCaptions[i]);
    }
    for (int i = 5; i < 16; ++i)
        texts.LangTexts[i] = t.LangTexts[i];
    nameControls();
}

void Form1::ApplySkin(const MainWindowFiles &files)
{
    const MainWindowSkin &s = files.skin;
    skin = s;
    publishSkin(s, settings);

    m_surface->setBackgroundColour(colour(s.WindowColour));
    m_surface->setBackgroundPicture(files.background);

    picMonitor->setBackground(colour(s.picMonitorColour));
    picMonitor->setGeometry(twipsToPixels(s.picMonitor.x()), twipsToPixels(s.picMonitor.y()),
                            twipsToPixels(s.picMonitor.width()), twipsToPixels(s.picMonitor.height()));

    // The skin gives the size of the window below its title bar, menu bar included.
    resize(twipsToPixels(s.windowSize.width()), twipsToPixels(s.windowSize.height()));
    if (settings.isCentred(settings.FormCentring))
        move(ui::centredPosition(this));

    placeAt(lblMonitor, s.lblMonitor);
    lblMonitor->adjustSize();
    placeCombo(cmbPolosok, s.cmbPolosok.left, s.cmbPolosok.top, s.cmbPolosok.width, s.cmbPolosok.fontSize);

    // One pass over the controls by kind.
    SkinColours.windowBackground = colour(s.WindowColour);
    SkinColours.shapeBorder = colour(s.ShapeColor);
    SkinColours.labelText = colour(s.LabelColours[1]);
    SkinColours.textBoxBackground = colour(s.TextBoxColours[1]);
    SkinColours.textBoxText = colour(s.TextBoxColours[2]);
    SkinColours.dropDownBackground = SkinColours.listBoxBackground = colour(s.ComboBoxColours[1]);
    SkinColours.dropDownText = SkinColours.listBoxText = colour(s.ComboBoxColours[2]);
    SkinColours.buttonBackground = colour(s.ButtonColor);
    SkinColours.frameText = SkinColours.labelText;
    SkinColours.font = s.GeneralFont;
    for (const auto &[control, kind] : m_controlOrder)
        ui::applySkinScheme(control, kind, SkinColours);
    // The labels of the dark colours keep a light text whatever the skin says.
    for (int i = 0; i < colour_code::kLblColorCount; ++i) {
        const auto dark = colour_code::SwatchTextColour(colour_code::LblColorCode(i));
        setTextColour(lblColor[i], dark ? *dark : colour(s.LabelColours[0]));
    }

    placeRect(lblInfoMonitor, s.lblInfoMonitor);
    lblInfoMonitor->setText(s.lblInfoMonitorCaption);
    setFontSize(lblInfoMonitor, s.lblInfoMonitorFontSize);

    if (settings.isCentred(settings.ConnectFormCentring)) {
        const QPointF c = ui::centredTwips(this, s.ConnectFormW, s.ConnectFormH);
        settings.ConnectFormX = float(c.x());
        settings.ConnectFormY = float(c.y());
    }
    if (settings.isCentred(settings.OmFormCentring)) {
        const QPointF c = ui::centredTwips(this, s.OmFormW, s.OmFormH);
        settings.OmFormX = float(c.x());
        settings.OmFormY = float(c.y());
    }

    picMarkTitle->setPixmap(files.title);
    picMarkTitle->resize(common::logicalSize(files.title));

    for (int i = 0; i < colour_code::kBandPositionCount; ++i) {
        placeAt(lblPoloska[i], s.BandLabelPlaces[i]);
        lblPoloska[i]->resize(twipsToPixels(s.lblPoloskaSize.width), twipsToPixels(s.lblPoloskaSize.height));
    }

    for (int p = 0; p < colour_code::kPaletteCount; ++p) {
        setBackgroundColour(picPallete[p], colour(s.picPalleteColour));
        picPallete[p]->resize(twipsToPixels(s.picPalleteSizes[p].width), twipsToPixels(s.picPalleteSizes[p].height));
        picPallete[p]->setBackgroundPicture(files.paletteBackground);
    }
    for (int i = 0; i < colour_code::kLblColorCount; ++i)
        placeAt(lblColor[i], s.lblColor[i]);

    for (int i = 0; i < colour_code::kBandPositionCount; ++i)
        placeRect(lbl[i], s.lbl[i]);
    placeRect(Command1, s.Command1.rect);
    setFontSize(Command1, s.Command1.fontSize);
    placeRect(Command2, s.Command2.rect);
    setFontSize(Command2, s.Command2.fontSize);
    placeAt(picMarkTitle, s.picMarkTitle);
    placeRect(txtNominal, s.txtNominal.rect);
    setFontSize(txtNominal, s.txtNominal.fontSize);
    placeCombo(cmbEdinIzmereniya, s.cmbEdinIzmereniya.left, s.cmbEdinIzmereniya.top,
               s.cmbEdinIzmereniya.width, s.cmbEdinIzmereniya.fontSize);
    placeCombo(cmbTcr, s.cmbTcr.left, s.cmbTcr.top, s.cmbTcr.width, s.cmbTcr.fontSize);
    placeRect(lblTcr, s.lblTcr);
    setFontSize(lblTcr, s.Labels[4].fontSize, s.Labels[4].bold);
    const std::array<QLabel *, 5> labels = {Label1, Label2, Label3, Label4, Label5};
    for (int i = 0; i < 5; ++i) {
        placeRect(labels[i], s.Labels[i].rect);
        setFontSize(labels[i], s.Labels[i].fontSize, s.Labels[i].bold);
    }

    std::vector<ui::WindowSurface::Figure> figures;
    for (const DecorativeRectangle &r : s.rectangles) {
        const QPoint a(twipsToPixels(r.x1), twipsToPixels(r.y1));
        const QPoint b(twipsToPixels(r.x2), twipsToPixels(r.y2));
        figures.push_back({QRect(a, b).normalized(), colour(r.colour)});
    }
    m_surface->setFigures(std::move(figures), s.lineWidth);
    placeReadingHint();
    for (PalettePanel *palette : picPallete)
        palette->raise();
}

void Form1::colourMenuBar()
{
    const QColor c = colour(skin.MenuBarColour);
    QMenuBar *bar = menuBar();
    bar->setAutoFillBackground(true);
    setBackgroundColour(bar, c);
    // The skin gives the menus no text colour: take the one that reads on the bar.
    setTextColour(bar, ui::readableTextOn(c));
    for (QMenu *menu : {mnuFile, mnuUtils, mnuHelp}) {
        setBackgroundColour(menu, c);
        setTextColour(menu, ui::readableTextOn(c));
    }
}

void Form1::createSettings()
{
    // A portable folder that the user cannot write (a stick set up by someone else) may bring
    // the settings to start from. An installation's folder never does: a file left there by
    // whoever ran it first must not become every new user's start.
    const QString delivered = common::installedPath(u"\\Data\\Settings.dat");
    if (!common::isInstalled() && delivered != settingsFilePath() && common::fileExists(delivered))
        common::writeTextLines(settingsFilePath(), common::readTextLines(delivered));
    else
        WriteDefaultSettings();
}

void Form1::WriteDefaultSettings()
{
    // Centred for the window's design size, before any skin has resized it.
    const QSize screen = ui::screenSize(this);
    const QSize window = frameGeometry().size();
    const float x = (float(common::pixelsToTwips(screen.width())) - float(common::pixelsToTwips(window.width()))) / 2;
    const float y = (float(common::pixelsToTwips(screen.height())) - float(common::pixelsToTwips(window.height()))) / 2;
    common::writeTextLines(settingsFilePath(), defaultSettingsLines(x, y));
}

void Form1::SaveSettings()
{
    // What the Combinations window keeps, as it stands now rather than at its last tick.
    if (m_combinations)
        m_combinations->keepSettingsCurrent();
    try {
        // Writing replaces the file, so a file deleted while the program ran is made afresh.
        QStringList lines = liveSettingsLines();
        if (!m_combinationLinesUnwritten.isEmpty() &&
            lines.mid(config::kSettingsLineCount) == m_combinationLinesUnwritten)
            lines = lines.mid(0, config::kSettingsLineCount);
        common::writeTextLines(settingsFilePath(), lines);
    } catch (const common::Failure &failure) {
        ui::showMessage(this, {failure.message(), QStringLiteral("Bandolin"), ui::MessageIcon::Error});
    }
}

QStringList Form1::liveSettingsLines() const
{
    SettingsSnapshot s;
    s.SkinName = settings.SkinName;
    s.Lang = settings.Lang;
    s.FormCentring = settings.FormCentring;
    const QPointF at = ui::positionTwips(this);
    s.windowLeft = float(at.x());
    s.windowTop = float(at.y());
    s.ConnectFormCentring = settings.ConnectFormCentring;
    s.ConnectFormX = settings.ConnectFormX;
    s.ConnectFormY = settings.ConnectFormY;
    s.OmFormCentring = settings.OmFormCentring;
    s.OmFormX = settings.OmFormX;
    s.OmFormY = settings.OmFormY;
    s.bandCountText = cmbPolosok->currentText();
    s.unitText = cmbEdinIzmereniya->currentText();
    s.toleranceText = cmbDopusk->currentText();
    s.LastResistInCon = settings.LastResistInCon;
    s.LastConnect = settings.LastConnect;
    s.ConRound = settings.ConRound;
    s.OmRound = settings.OmRound;
    s.VoltamLastUIR = settings.VoltamLastUIR;
    // A half-chosen marking is none the next start could show.
    s.lastResistorCode = m_lastWholeMarking;
    s.LangPos1 = settings.LangPos1;
    s.LangPos2 = settings.LangPos2;
    return saveSettingsLines(s) + combinationSettingsLines();
}

bool Form1::restoreLastResistor()
{
    m_lastWholeMarking = settings.Temp01;
    const std::optional<marking_files::Marking> stored =
        marking_files::parseMarkCode(settings.Temp01);
    if (!stored || !marking_files::isValidMarking(*stored, tables)) {
        // Nothing (usable) was stored: decode the empty marking as the first start does, and
        // leave the band labels unchosen.
        DecodeMarking(0, {});
        marking.DeviationText.clear();
        return false;
    }
    restoreMarking(*stored);
    return true;
}

void Form1::restoreMarking(const marking_files::Marking &restored)
{
    selectBandCount(restored.BandCount - 3);
    DecodeMarking(restored.BandCount, restored.BandCodes);
    marking.DeviationText.clear();
    marking.BandCodes = restored.BandCodes;
    // The encoder paints the tolerance and TCR bands from the selectors: give them the
    // restored ones.
    if (restored.BandCount != 3)
        selectToleranceItem(marking.Tolerance);
    if (restored.BandCount == 6)
        selectTcrItem(colour_code::RoleValue(tables, restored.BandCodes[colour_code::TcrBand],
                                             colour_code::TcrBand));
}

} // namespace main_window
