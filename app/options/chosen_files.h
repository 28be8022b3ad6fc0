#pragma once

// Before OK writes anything: the skin and language files the options name must serve every
// window that reads them once the options are applied, and the settings lines must read back
// at the next load. A file that fails here would otherwise end the program at once and at
// every later start. No widgets here.

#include "config/language_file.h"

#include <QString>
#include <QStringList>

namespace options
{

// What OK takes from the chosen language file.
struct ChosenLanguage {
    config::MainWindowTexts mainTexts;
    config::OptionsTexts optionsTexts;
};

// Reads the skin file under \Skin\ as the main window and both tool windows read it, checks
// that the pictures it names can be loaded, and reads the language file under \Languages\ as
// the main window, the tool windows, this dialog and the about window read it. Throws
// common::Failure naming the file that cannot be used.
ChosenLanguage readChosenFiles(const QString &skinName, const QString &lang);

// Reads the settings lines as the main window's load will, with the chosen language's words;
// also a name that the settings file cannot hold (a character outside its code page) fails.
// Throws common::Failure naming the line.
void checkSettingsLines(const QString &path, const QStringList &lines,
                        const config::MainWindowTexts &language);

} // namespace options
