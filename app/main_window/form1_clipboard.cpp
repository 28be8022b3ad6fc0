// File > Copy: the marking on the clipboard, as a line of text and as the display's picture.

#include "colour_code/marking_text.h"
#include "main_window/form1.h"
#include "main_window/resistor_display.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace main_window
{

void Form1::mnuCopy_Click()
{
    // A failed encoding leaves the bands unchosen and only the typed value on the display.
    const QString text =
        bandsInUseChosen() ? colour_code::MarkingSummary(marking.BandCount, marking.BandCodes,
                                                         tables, texts.LangTexts, texts.ColourNames)
                           : marking.ResultLine.simplified();
    auto *data = new QMimeData;
    data->setText(text);
    data->setImageData(picMonitor->image()); // what Save As writes
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace main_window
