#pragma once

#include <QString>
#include <QStringView>

namespace common {

// The folder of the running program, under which every file the program keeps lives.
// Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder);

// The program folder joined with a relative part that begins with "\" (or "/"), as the data
// files write it: "\Data\Settings.dat" becomes <folder>/Data/Settings.dat.
QString programPath(QStringView relative);

} // namespace common
