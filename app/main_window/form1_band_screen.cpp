// The main window's decoding side: band count, band labels, palettes, and the 200 ms timer.

#include "colour_code/nominal_input.h"
#include "common/numbers.h"
#include "common/units.h"
#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "main_window/resistor_display.h"
#include "ui/click_label.h"
#include "ui/placement.h"
#include "ui/skin_colours.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <algorithm>

namespace main_window {

using namespace config;

using ui::setLabelColours;

int Form1::bandWordIndex(const QString &word) const
{
    for (int i = 0; i < colour_code::kBandCountWords; ++i)
        if (word == texts.BandCountNames[i])
            return i;
    return -1;
}

int Form1::unitWordIndex(const QString &word) const
{
    for (int i = 0; i < 4; ++i)
        if (word == texts.LangTexts[i])
            return i;
    return -1;
}

void Form1::setNotChosen(int position)
{
    showBand(position, {});
}

void Form1::showBand(int position, const BandLook &look)
{
    m_bandLooks[position] = look;
    ClickLabel *band = lblPoloska[position];
    switch (look.source) {
    case BandLook::Source::NotChosen:
        band->setText(texts.NotChosenText);
        setLabelColours(band, common::colourFromValue(skin.LabelColours[2]),
                        common::colourFromValue(skin.LabelColours[0]));
        break;
    case BandLook::Source::Palette: {
        const ClickLabel *entry = lblColor[look.entry];
        band->setText(entry->text());
        setLabelColours(band, entry->palette().color(QPalette::Window),
                        entry->palette().color(QPalette::WindowText));
        break;
    }
    case BandLook::Source::Table:
        band->setText(texts.ColourNames[look.code]);
        setLabelColours(band, colour_code::CodeToColour(look.code),
                        common::colourFromValue(tables.CodeTextColours[look.code]));
        break;
    }
    nameBand(position);
}

void Form1::nameBand(int position)
{
    const int bandCount = colour_code::BandCountFromIndex(bandWordIndex(cmbPolosok->currentText()));
    const std::span<const int> used = colour_code::BandPositionsUsed(bandCount);
    const auto at = std::find(used.begin(), used.end(), position);
    const int place = at == used.end() ? position : int(at - used.begin());
    const QString title = ui::nameFromCaption(lbl[place]->text());
    const QString caption = lblPoloska[position]->text();
    lblPoloska[position]->setAccessibleName(
        title.isEmpty() ? caption : title + QStringLiteral(": ") + caption);
}

void Form1::nameControls()
{
    cmbPolosok->setAccessibleName(ui::nameFromCaption(Label3->text()));
    txtNominal->setAccessibleName(ui::nameFromCaption(Label4->text()));
    cmbDopusk->setAccessibleName(ui::nameFromCaption(Label5->text()));
    cmbTcr->setAccessibleName(ui::nameFromCaption(lblTcr->text()));
    for (int i = 0; i < colour_code::kBandPositionCount; ++i)
        nameBand(i);
}

void Form1::setSaveAsWanted(bool wanted)
{
    m_saveAsWanted = wanted;
    mnuSaveAs->setEnabled(wanted);
    mnuCopy->setEnabled(wanted);
}

void Form1::cmbPolosok_Click()
{
    ResetPicture();
    setSaveAsWanted(false);
    if (LoadedFlag) {
        txtNominal->setText(QString());
        lblInfoMonitor->setText(QStringLiteral("Bandolin"));
    }
    const int word = layOutBands();
    for (int i = 0; i < colour_code::kBandPositionCount; ++i)
        setNotChosen(i);
    if (word >= 0)
        marking.BandCount = quint8(colour_code::BandCountFromIndex(word));
}

int Form1::layOutBands()
{
    const auto moveBand = [this](int band, int place) {
        lblPoloska[band]->move(common::twipsToPixels(skin.BandLabelPlaces[place].left),
                               common::twipsToPixels(skin.BandLabelPlaces[place].top));
    };
    const int word = bandWordIndex(cmbPolosok->currentText());
    // The sixth band and the TCR list take part only with six bands.
    if (word >= 0) {
        const bool six = colour_code::BandCountFromIndex(word) == 6;
        lblPoloska[5]->setVisible(six);
        lbl[5]->setVisible(six);
        cmbTcr->setVisible(six);
        lblTcr->setVisible(six);
    }
    switch (word) {
    case 0:
        lblPoloska[2]->hide();
        lblPoloska[4]->hide();
        lbl[3]->hide();
        lbl[4]->hide();
        moveBand(3, 2);
        cmbDopusk->setEnabled(false);
        break;
    case 1:
        lblPoloska[2]->hide();
        lbl[4]->hide();
        lblPoloska[4]->show();
        lbl[3]->show();
        moveBand(3, 2);
        moveBand(4, 3);
        cmbDopusk->setEnabled(true);
        break;
    case 2:
    case 3: // six bands: five as five bands, the sixth at its own place
        lblPoloska[2]->show();
        lblPoloska[4]->show();
        lbl[3]->show();
        lbl[4]->show();
        moveBand(3, 3);
        moveBand(4, 4);
        cmbDopusk->setEnabled(true);
        break;
    default:
        break;
    }
    return word;
}

void Form1::selectBandCount(int index)
{
    // A selection made by the program is a band-count change like the user's.
    if (index < 0 || index >= cmbPolosok->count() || index == cmbPolosok->currentIndex())
        return;
    cmbPolosok->setCurrentIndex(index);
    cmbPolosok_Click();
}

void Form1::lblPoloska_Click(int index)
{
    if (index < 0 || index >= colour_code::kBandPositionCount)
        return;
    marking.EditedBand = quint8(index);
    ClickLabel *band = lblPoloska[index];
    PalettePanel *palette = picPallete[index];
    palette->move(band->x(), band->y() + band->height());
    palette->raise();
    palette->show();
}

void Form1::lblPoloska_KeyPress(int index)
{
    if (index < 0 || index >= colour_code::kBandPositionCount)
        return;
    for (PalettePanel *other : picPallete)
        if (other != picPallete[index])
            other->hide();
    const auto entries = colour_code::OfferedEntries(index, tables);
    int start = 0;
    const ClickLabel *band = lblPoloska[index];
    if (band->text() != texts.NotChosenText) {
        const quint8 shown = colour_code::ColourToCode(band->palette().color(QPalette::Window));
        for (std::size_t place = 0; place < entries.size(); ++place)
            if (entries[place].code == shown)
                start = int(place);
    }
    picPallete[index]->highlight(start);
}

void Form1::offerPaletteEntries()
{
    for (int p = 0; p < colour_code::kPaletteCount; ++p) {
        const auto offered = colour_code::OfferedEntries(p, tables);
        for (const colour_code::PaletteEntry &e : colour_code::PaletteEntries(p))
            lblColor[e.lblColor]->hide();
        std::vector<QWidget *> inDisplayOrder;
        for (const colour_code::PaletteEntry &e : offered) {
            lblColor[e.lblColor]->show();
            inDisplayOrder.push_back(lblColor[e.lblColor]);
        }
        picPallete[p]->setEntries(std::move(inDisplayOrder));
    }
}

void Form1::lblColor_MouseMove(int index)
{
    for (int i = 0; i < colour_code::kLblColorCount; ++i)
        lblColor[i]->setFrameStyle(i == index ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void Form1::lblColor_Click(int index)
{
    // A choice closes the palettes even when its band picture cannot be painted.
    const QScopeGuard close([this] {
        HidePalettes();
        rememberWholeMarking();
    });
    ClickLabel *band = lblPoloska[marking.EditedBand];
    showBand(marking.EditedBand, {BandLook::Source::Palette, index});
    const quint8 code = colour_code::ColourToCode(band->palette().color(QPalette::Window));
    SetBand(marking.EditedBand, code);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    const bool paletteOpen = std::any_of(picPallete.begin(), picPallete.end(),
                                         [](const PalettePanel *p) { return p->isVisible(); });
    if (event->key() == Qt::Key_Escape && paletteOpen) {
        HidePalettes();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Form1::HidePalettes()
{
    // The keyboard's highlight goes back to the band label whose palette was open.
    for (PalettePanel *palette : picPallete)
        if (palette->isAncestorOf(QApplication::focusWidget()))
            lblPoloska[marking.EditedBand]->setFocus(Qt::OtherFocusReason);
    for (PalettePanel *palette : picPallete)
        palette->hide();
    for (ClickLabel *entry : lblColor)
        entry->setFrameStyle(QFrame::NoFrame);
}

bool Form1::bandsInUseChosen() const
{
    const int bandCount = colour_code::BandCountFromIndex(bandWordIndex(cmbPolosok->currentText()));
    for (int position : colour_code::BandPositionsUsed(bandCount))
        if (lblPoloska[position]->text() == texts.NotChosenText)
            return false;
    return true;
}

void Form1::Timer1_Timer()
{
    if (settings.isCentred(settings.FormCentring))
        ui::keepCentred(this);
    if (bandWordIndex(cmbPolosok->currentText()) >= 0)
        Command1->setEnabled(bandsInUseChosen());
    const QString nominal = txtNominal->text();
    Command2->setEnabled(!nominal.isEmpty() && common::leadingNumber(nominal) > 0);
}

void Form1::txtNominal_Change()
{
    if (m_inNominalChange)
        return; // the rules' own rewrite; the outer run settles the text
    m_inNominalChange = true;
    const QScopeGuard done([this] { m_inNominalChange = false; });
    const colour_code::NominalInput settled = colour_code::SettleNominalText(
        txtNominal->text(), bandWordIndex(cmbPolosok->currentText()), txtNominal->typingLimit());
    txtNominal->setTypingLimit(settled.maxLength);
    if (settled.text != txtNominal->text())
        txtNominal->setText(settled.text);
    if (settled.rewritten)
        txtNominal->setCursorPosition(int(settled.text.size()));
}

} // namespace main_window
