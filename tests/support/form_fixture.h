#pragma once

// A main window on its own temporary program folder, with messages and the end of the
// program recorded instead of shown or carried out.

#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "main_window/resistor_display.h"
#include "test_folder.h"
#include "ui/click_label.h"
#include "ui/seams.h"

#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

namespace testing_support {

class FormFixture
{
public:
    FormFixture()
    {
        ui::resetEndRequest();
        ui::setMessageHandler([this](QWidget *, const ui::Message &m) { messages.push_back(m); });
        ui::setExitHandler([this](int code) { exitCodes.push_back(code); });
    }
    ~FormFixture()
    {
        form.reset();
        ui::setMessageHandler({});
        ui::setExitHandler({});
        ui::resetEndRequest();
    }

    // Creates the window and runs its load; returns what the load returned.
    bool load()
    {
        form = std::make_unique<main_window::Form1>();
        return form->Form_Load();
    }

    // A band label's palette opened and one of its entries chosen, by their handlers.
    void choose(int band, int lblColor)
    {
        form->lblPoloska_Click(band);
        form->lblColor_Click(lblColor);
    }

    // Closes the window as the user would and forgets it; the settings are saved.
    void close()
    {
        form->close();
        form.reset();
        ui::resetEndRequest();
        messages.clear();
        exitCodes.clear();
    }

    // True when the rectangle of the display at topLeft shows exactly the picture, painted
    // over the display's background.
    bool displayShows(const QString &pictureFile, QPoint topLeft) const
    {
        const QImage file(folder.file(pictureFile));
        if (file.isNull())
            return false;
        QImage picture(file.size(), QImage::Format_RGB32);
        picture.fill(form->picMonitor->background());
        QPainter(&picture).drawImage(0, 0, file);
        const QImage shown = form->picMonitor->image()
                                 .copy(QRect(topLeft, picture.size()))
                                 .convertToFormat(QImage::Format_RGB32);
        return shown == picture;
    }

    TestFolder folder;
    std::unique_ptr<main_window::Form1> form;
    std::vector<ui::Message> messages;
    std::vector<int> exitCodes;
};

} // namespace testing_support
