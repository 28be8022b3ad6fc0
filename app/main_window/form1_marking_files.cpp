// The main window's File menu for markings: New, Open and Save As. A marking is saved as the
// display's picture; the marking itself travels in the file name.

#include "common/failure.h"
#include "common/program_folder.h"
#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "main_window/resistor_display.h"
#include "marking_files/bitmap_file.h"
#include "marking_files/mark_code.h"
#include "ui/fixed_texts.h"
#include "ui/seams.h"

#include <QAction>
#include <QDir>
#include <QLabel>

namespace main_window
{
namespace
{

const QString kBitmapFilter = QStringLiteral("Bitmap files (*.bmp )");

} // namespace

void Form1::connectMarkingFileItems()
{
    setSaveAsWanted(false); // until the first decoding, encoding or opened marking
    connect(mnuNew, &QAction::triggered, this, [this] { guarded([this] { mnuNew_Click(); }); });
    connect(mnuOpen, &QAction::triggered, this, [this] { guarded([this] { mnuOpen_Click(); }); });
    connect(mnuSaveAs, &QAction::triggered, this,
            [this] { guarded([this] { mnuSaveAs_Click(); }); });
    connect(mnuCopy, &QAction::triggered, this, [this] { guarded([this] { mnuCopy_Click(); }); });
}

void Form1::mnuNew_Click()
{
    ResetPicture();
    // The codes stay as they are; only the labels forget them.
    for (int i = 0; i < colour_code::kBandPositionCount; ++i)
        setNotChosen(i);
    txtNominal->setText(QString());
}

void Form1::mnuOpen_Click()
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Open;
    request.title = QString(mnuOpen->text()).remove(QLatin1Char('&'));
    request.folder = common::userFolder();
    request.filter = kBitmapFilter;
    const std::optional<QString> chosen = ui::askFileName(this, request);
    if (!chosen)
        return;
    const std::optional<marking_files::Marking> opened =
        marking_files::markingOfFile(*chosen, tables);
    if (!opened) {
        // No language file has a text for this message, nor for the one of Save As.
        ui::showMessage(this,
                        {ui::explained(settings.Lang,
                                       QStringLiteral("Этот файл не является файлом маркировки:"),
                                       QStringLiteral("This file is not a marking file:"),
                                       QDir::toNativeSeparators(*chosen)),
                         QStringLiteral("Bandolin")});
        return;
    }
    lblInfoMonitor->setVisible(true);
    restoreMarking(*opened);
    // The encoder rebuilds the band labels, the picture and the texts from the restored inputs.
    const bool coloured = encodeInputs();
    setSaveAsWanted(true);
    if (coloured)
        showDecodedHint();
}

void Form1::mnuSaveAs_Click()
{
    const marking_files::Marking current{marking.BandCount, marking.BandCodes};
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Save;
    request.title = texts.LangTexts.value(15);
    request.folder = common::userFolder();
    request.proposedName = marking_files::markingFileName(current, marking.ResultLine);
    request.filter = kBitmapFilter;
    const std::optional<QString> chosen = ui::askFileName(this, request);
    if (!chosen)
        return;
    try {
        marking_files::writeBitmap(picMonitor->image(),
                                   marking_files::withBitmapExtension(*chosen));
    } catch (const common::Failure &failure) {
        ui::showMessage(
            this, {ui::explained(settings.Lang, QStringLiteral("Маркировка не сохранена."),
                                 QStringLiteral("The marking was not saved."), failure.message()),
                   request.title.isEmpty() ? QStringLiteral("Bandolin") : request.title,
                   ui::MessageIcon::Error});
    }
}

} // namespace main_window
