#include "options_opening.h"

#include <QImage>

namespace options
{

std::unique_ptr<frmOptions> prepareOptionsDialog(QWidget *parent, config::GlobalSettings &settings,
                                                 const ui::SkinScheme &scheme,
                                                 OptionsContext context)
{
    auto dialog = std::make_unique<frmOptions>(settings, scheme, std::move(context), parent);
    dialog->Form_Load();
    dialog->ensurePolished();
    dialog->adjustSize();
    // The style keeps the pictures of buttons, lists and frames under the control's palette,
    // which each control keeps for as long as it lives: the showing then draws from them.
    const qreal ratio = dialog->devicePixelRatioF();
    QImage drawing(dialog->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    drawing.setDevicePixelRatio(ratio);
    dialog->render(&drawing);
    // Its window is made now too, still unmapped, so that the opening only maps it.
    dialog->winId();
    return dialog;
}

bool showOptionsDialog(QWidget *parent, config::GlobalSettings &settings,
                       const ui::SkinScheme &scheme, const OptionsContext &context,
                       std::unique_ptr<frmOptions> prepared)
{
    std::unique_ptr<frmOptions> dialog = std::move(prepared);
    if (dialog) {
        dialog->setContext(context);
        // A window keeps the place in the stack where it was made: without a window manager
        // to raise it, windows made since would cover the dialog.
        dialog->raise();
    } else
        dialog = std::make_unique<frmOptions>(settings, scheme, context, parent);
    dialog->Form_Load();
    // Texts changed since the preparation would need another size.
    dialog->adjustSize();
    dialog->exec();
    return dialog->applied();
}

} // namespace options
