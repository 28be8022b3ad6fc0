// The main window's marking: the resistor picture, decoding, encoding and the file watchdog.

#include "colour_code/decoding.h"
#include "colour_code/encoding.h"
#include "common/failure.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "common/units.h"
#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "main_window/load_files.h"
#include "main_window/resistor_display.h"
#include "marking_files/mark_code.h"
#include "ui/click_label.h"
#include "ui/placement.h"
#include "ui/seams.h"
#include "ui/skin_colours.h"

#include <QComboBox>
#include <QTimer>

namespace main_window {

using namespace config;

using ui::setLabelColours;

QPoint Form1::bandPlace(int place) const
{
    const std::optional<QPoint> at = bandDrawingPlace(skin, place);
    if (!at)
        throw common::Failure(QStringLiteral("A band drawing place of the skin is out of range"));
    return {common::twipsToPixels(at->x()), common::twipsToPixels(at->y())};
}

void Form1::paintBandPicture(colour_code::BandPicture picture, quint8 code, int place)
{
    // Each band is loaded from disk when it is painted, so a replaced picture shows at once.
    picMonitor->paintPicture(bandPicturePath(skin, tables, picture, code), bandPlace(place));
    // A band painted again at its place covers the earlier one there.
    std::erase_if(m_paintedBands, [place](const PaintedBand &b) { return b.place == place; });
    m_paintedBands.push_back({picture, code, place});
}

void Form1::paintBody()
{
    picMonitor->clear();
    m_paintedBands.clear();
    picMonitor->paintPicture(common::programPath(QStringLiteral("\\Data\\") + PictureName + QStringLiteral(".bmp")),
                             {common::twipsToPixels(skin.BodyPlace.x()), common::twipsToPixels(skin.BodyPlace.y())});
}

void Form1::repaintDisplay()
{
    const std::vector<PaintedBand> painted = m_paintedBands;
    paintBody();
    for (const PaintedBand &band : painted)
        paintBandPicture(band.picture, band.code, band.place);
}

void Form1::ResetPicture()
{
    m_resultShown = false;
    lblInfoMonitor->setText(QStringLiteral("Bandolin"));
    setReadingHint({});
    paintBody();
}

void Form1::SetBand(int position, quint8 code)
{
    marking.BandCodes[position] = code;
    const int bandCount = colour_code::BandCountFromIndex(bandWordIndex(cmbPolosok->currentText()));
    const int place = colour_code::SingleBandPlace(bandCount, position);
    if (place >= 0)
        paintBandPicture(colour_code::BandPictureOf(position), code, place);
}

void Form1::DrawMarking(int bandCount, const colour_code::BandCodeArray &codes)
{
    for (const colour_code::BandPaint &paint : colour_code::MarkingPaints(bandCount, codes))
        paintBandPicture(paint.picture, paint.code, paint.place);
}

QString Form1::DecodeMarking(int bandCount, const colour_code::BandCodeArray &codes)
{
    const colour_code::DecodedMarking decoded = colour_code::DecodeMarking(
        bandCount, codes, tables, texts.LangTexts, marking.Tolerance, marking.DeviationText);
    marking.Tolerance = decoded.tolerance;
    if (decoded.drawing)
        DrawMarking(decoded.drawing->bandCount, decoded.drawing->codes);
    txtNominal->setText(decoded.nominalText);
    marking.DeviationText = decoded.deviationText;
    const int unit = cmbEdinIzmereniya->findText(texts.LangTexts.value(decoded.unitIndex),
                                                 Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (unit >= 0)
        cmbEdinIzmereniya->setCurrentIndex(unit);
    return decoded.resultText;
}

void Form1::Command1_Click()
{
    lblInfoMonitor->setVisible(true);
    lblInfoMonitor->clear();
    ShownResult decoded;
    decoded.decoded = true;
    decoded.bandCount = marking.BandCount;
    decoded.codes = marking.BandCodes;
    decoded.tolerance = marking.Tolerance;
    decoded.deviationText = marking.DeviationText;
    lblInfoMonitor->setText(DecodeMarking(marking.BandCount, marking.BandCodes));
    m_result = decoded;
    m_resultShown = true;
    showDisplayTexts();
    selectToleranceItem(marking.Tolerance);
    if (marking.BandCount == 6)
        selectTcrItem(colour_code::RoleValue(tables, marking.BandCodes[colour_code::TcrBand],
                                             colour_code::TcrBand));
    marking.DeviationText.clear();
    setSaveAsWanted(true);
    rememberWholeMarking();
    showDecodedHint();
}

void Form1::showDisplayTexts()
{
    // The reading help below the display, from what it was last asked for.
    ShowReadingHint();
    if (!m_result) {
        lblInfoMonitor->setText(QStringLiteral("Bandolin"));
        return;
    }
    const ShownResult &r = *m_result;
    colour_code::ResultTexts result;
    if (r.decoded) {
        // The same decoding again, for its texts in the language now in use.
        const colour_code::DecodedMarking d = colour_code::DecodeMarking(
            r.bandCount, r.codes, tables, texts.LangTexts, r.tolerance, r.deviationText);
        result = colour_code::DecodeResultTexts(
            texts.LangTexts, d.resultText, d.tolerance, d.deviationText,
            d.tcr ? colour_code::TcrLine(texts.SixBands.tcrLine, *d.tcr) : QString());
    } else {
        const QString unitWord = r.unit >= 0 ? texts.LangTexts.value(r.unit) : QString();
        const QString tcrLine =
            r.tcrItem.isEmpty()
                ? QString()
                : colour_code::TcrLine(texts.SixBands.tcrLine, common::leadingNumber(r.tcrItem));
        result = colour_code::EncodeResultTexts(texts.LangTexts, r.nominal, unitWord,
                                                r.toleranceItem, tcrLine);
    }
    marking.ResultLine = result.resultLine;
    lblInfoMonitor->setText(m_resultShown ? result.caption : QStringLiteral("Bandolin"));
}

void Form1::rememberWholeMarking()
{
    if (marking.BandCount >= 3 && marking.BandCount <= 6 && bandsInUseChosen())
        m_lastWholeMarking = marking_files::markCode({marking.BandCount, marking.BandCodes});
}

void Form1::selectToleranceItem(float tolerance)
{
    if (const auto item = colour_code::DecodedToleranceItem(tolerance)) {
        const int index = cmbDopusk->findText(*item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            cmbDopusk->setCurrentIndex(index);
    }
}

void Form1::selectTcrItem(double tcr)
{
    const int index = cmbTcr->findText(colour_code::TcrItem(tcr), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        cmbTcr->setCurrentIndex(index);
}

void Form1::offerTcrItems()
{
    const QStringList items = colour_code::TcrItems(tables);
    QStringList listed;
    for (int i = 0; i < cmbTcr->count(); ++i)
        listed << cmbTcr->itemText(i);
    if (listed == items)
        return;
    const QString shown = cmbTcr->currentText();
    cmbTcr->clear();
    cmbTcr->addItems(items);
    // The commonest TCR of precision resistors until one is chosen.
    const int index = cmbTcr->findText(shown.isEmpty() ? colour_code::TcrItem(50) : shown);
    cmbTcr->setCurrentIndex(std::max(index, 0));
}

QString Form1::tcrItemInUse() const
{
    return colour_code::BandCountFromIndex(bandWordIndex(cmbPolosok->currentText())) == 6
               ? cmbTcr->currentText()
               : QString();
}

void Form1::failEncoding()
{
    ui::showMessage(this, {colour_code::PlausibilityMessage(texts.LangTexts), texts.LangTexts.value(12)});
    for (int i = 0; i < colour_code::kBandPositionCount; ++i)
        setNotChosen(i);
    ResetPicture();
}

bool Form1::EncodeNominal(const QString &bandWord, const QString &unitWord, float nominal,
                          const QString &toleranceItem, const QString &tcrItem)
{
    const colour_code::EncodedMarking encoded =
        colour_code::EncodeNominal(bandWordIndex(bandWord), unitWordIndex(unitWord), nominal,
                                   toleranceItem, tables, tcrItem);
    // A band in use without a colour would leave an earlier marking's colour standing as if
    // it encoded this value: report it like an implausible five-band value.
    if (encoded.plausibilityFailed || !encoded.unmatchedPositions.empty()) {
        failEncoding();
        return false;
    }
    for (const colour_code::BandAssignment &a : encoded.assignments) {
        SetBand(a.bandPosition, a.code);
        showBand(a.bandPosition, {BandLook::Source::Table, -1, a.code});
    }
    return !encoded.assignments.empty();
}

bool Form1::encodeInputs()
{
    const QString unitWord = cmbEdinIzmereniya->currentText();
    const QString toleranceItem = cmbDopusk->currentText();
    const QString tcrItem = tcrItemInUse();
    const float nominal = common::toSingle(common::leadingNumber(txtNominal->text()));
    const bool coloured =
        EncodeNominal(cmbPolosok->currentText(), unitWord, nominal, toleranceItem, tcrItem);
    ShownResult encoded;
    encoded.nominal = txtNominal->text();
    encoded.unit = unitWordIndex(unitWord);
    encoded.toleranceItem = toleranceItem;
    encoded.tcrItem = tcrItem;
    m_result = encoded;
    m_resultShown = true;
    showDisplayTexts();
    setSaveAsWanted(true);
    rememberWholeMarking();
    return coloured;
}

void Form1::Command2_Click()
{
    const QString bandWord = cmbPolosok->currentText();
    const QString unitWord = cmbEdinIzmereniya->currentText();
    const QString toleranceItem = cmbDopusk->currentText();
    if (encodeInputs())
        showEncodedHint(bandWord, unitWord, toleranceItem);
}

void Form1::Timer2_Timer()
{
    for (const QString &entry : skin.RequiredFiles) {
        const QString path = common::programPath(entry);
        if (common::fileExists(path))
            continue;
        // No further ticks while the message is open; the file is reported again later if it
        // stays missing.
        Timer2->stop();
        ui::showMessage(this, {path, QStringLiteral("Bandolin")});
        Timer2->start();
    }
}

} // namespace main_window
