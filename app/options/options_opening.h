#pragma once

// Opening the options dialog. Every opening shows a dialog of its own and runs its load; the
// dialog may have been made ahead of the opening, while the program was idle.

#include "frm_options.h"

#include <memory>

namespace options
{

// Makes the dialog for the next opening: loads it under the state given, polishes and lays it
// out, and draws it once off screen, so that the style's pictures of its controls and the
// captions' pictures are made before it opens, and makes its window, unmapped. It is not shown
// until an opening takes it, and that opening raises and loads it again.
std::unique_ptr<frmOptions> prepareOptionsDialog(QWidget *parent, config::GlobalSettings &settings,
                                                 const ui::SkinScheme &scheme,
                                                 OptionsContext context);

// Opens the options dialog modally over the main window: the prepared one when there is one
// (made for the same window, settings and skin), otherwise one made now. Either way it loads
// from this opening's context. True when OK applied new options: the settings file has been
// written and the global settings set, and the caller must now re-initialise its windows.
bool showOptionsDialog(QWidget *parent, config::GlobalSettings &settings,
                       const ui::SkinScheme &scheme, const OptionsContext &context,
                       std::unique_ptr<frmOptions> prepared = {});

} // namespace options
