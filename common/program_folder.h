#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Where the files live. The program folder holds what is delivered (Data/, Skin/, Languages/).
// What is written or kept per user (the settings, marking files) lives in the user's folder: the
// program folder itself when it can be written and is not an installation (a build folder, an
// unpacked release archive, a USB stick), otherwise $XDG_DATA_HOME/bandolin with the same layout.
// Reading looks in the user's folder first, then in the program folder, so a user may add a skin
// or a language of their own.
namespace common {

// Whether the program folder is tried for writing or taken as read-only without trying (tests
// run as root, who may write anywhere, and still need a read-only program folder). Inspect
// decides from the folder's permissions and creates nothing: the terminal commands write no
// file, not even a probe.
enum class FolderAccess { Try, ReadOnly, Inspect };

// The folder of the running program. Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder, FolderAccess access = FolderAccess::Try);

// The file the install step puts into the program folder it installs. Such a folder is never
// written, whoever runs the program, root included: dpkg owns it.
inline constexpr QStringView kInstalledMark = u"\\Bandolin.installed";
// Whether the program folder carries kInstalledMark.
bool isInstalled();

// The folder of everything written or kept per user, as told above. Decided once per program
// folder: an installation never, any other folder by trying to create a file in it and in its
// Data/.
QString userFolder();
// $XDG_DATA_HOME/bandolin, or ~/.local/share/bandolin when the variable is unset, empty or not
// an absolute path.
QString userDataFolder(const QString &xdgDataHome, const QString &home);
// Whether a file can be created in the folder (and in its Data/ when there is one).
bool canWriteIn(const QString &folder);
// Creates the user's folder and its Data/; false when that fails.
bool makeUserFolder();

// The single-copy lock of a program folder for one user on one machine: in
// <xdgRuntimeDir>/bandolin when that is an absolute path (a folder per machine and user that
// goes at logout), otherwise in the user's folder, which a home shared between machines may
// hold; the name tells both the program folder and the machine apart, so two folders (two test
// runs) or two machines never share a lock and a lock left by a killed copy can always be
// checked against the process that wrote it.
QString lockFilePath(const QString &xdgRuntimeDir, const QString &userFolder, const QString &host,
                     const QString &programFolder);
// The lock of this run, under XDG_RUNTIME_DIR when that folder can be made (private to the
// user), otherwise in the user's folder.
QString lockFilePath();

// A folder joined with a relative part that begins with "\" (or "/"), as the data files write
// it: "\Data\Settings.dat" becomes <folder>/Data/Settings.dat.
QString joinPath(const QString &folder, QStringView relative);
// A file to read: in the user's folder when it is there, otherwise in the program folder.
QString programPath(QStringView relative);
// A file to write: always in the user's folder.
QString userPath(QStringView relative);
// A file that only the program folder may supply (the executables).
QString installedPath(QStringView relative);

// The names of the files matching the pattern in the folder (relative, "\Skin") of both the
// user's and the program folder, each name once, sorted.
QStringList folderFiles(QStringView relativeFolder, const QString &pattern);

} // namespace common
