#include "program_folder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSysInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <optional>

namespace common
{
namespace
{

struct Folders {
    QString programOverride;
    FolderAccess access = FolderAccess::Try;
    std::optional<QString> user; // decided at the first use
};

Folders &folders()
{
    static Folders state;
    return state;
}

bool canCreateFileIn(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.bandolin-probe-XXXXXX"));
    return probe.open(); // removed again when the probe goes
}

// What the permissions allow, without creating anything.
bool permitsWriting(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        return false;
    const QFileInfo data(folder + QStringLiteral("/Data"));
    return !data.isDir() || data.isWritable();
}

bool programFolderWritable(const QString &folder, FolderAccess access)
{
    switch (access) {
    case FolderAccess::Try:
        return canWriteIn(folder);
    case FolderAccess::Inspect:
        return permitsWriting(folder);
    case FolderAccess::ReadOnly:
        break;
    }
    return false;
}

} // namespace

QString programFolder()
{
    if (!folders().programOverride.isEmpty())
        return folders().programOverride;
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder, FolderAccess access)
{
    folders() = {folder, access, std::nullopt};
}

QString userDataFolder(const QString &xdgDataHome, const QString &home)
{
    // A relative XDG_DATA_HOME is not valid and is ignored, like an unset one.
    const QString base =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/bandolin"));
}

bool canWriteIn(const QString &folder)
{
    if (!canCreateFileIn(folder))
        return false;
    const QString data = folder + QStringLiteral("/Data");
    return !QFileInfo(data).isDir() || canCreateFileIn(data);
}

bool isInstalled()
{
    return QFileInfo::exists(joinPath(programFolder(), kInstalledMark));
}

// The user's folder under XDG_DATA_HOME (or ~/.local/share), used when the program folder is not.
static QString dataHomeFolder()
{
    return userDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

QString userFolder()
{
    Folders &state = folders();
    if (!state.user) {
        const QString program = programFolder();
        if (!isInstalled() && programFolderWritable(program, state.access))
            state.user = program;
        else
            state.user = dataHomeFolder();
    }
    return *state.user;
}

bool makeUserFolder()
{
    return QDir().mkpath(userFolder() + QStringLiteral("/Data"));
}

QString lockFilePath(const QString &xdgRuntimeDir, const QString &userFolder, const QString &host,
                     const QString &programFolder)
{
    const QString folder = QDir::isAbsolutePath(xdgRuntimeDir)
                               ? QDir::cleanPath(xdgRuntimeDir + QStringLiteral("/bandolin"))
                               : userFolder;
    const QByteArray key = (host + QLatin1Char('\n') + QDir::cleanPath(programFolder)).toUtf8();
    const QString tag = QString::fromLatin1(
        QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    return folder + QStringLiteral("/Bandolin-") + tag + QStringLiteral(".lock");
}

QString lockFilePath()
{
    const QString host = QSysInfo::machineHostName();
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime)) {
        const QString own = QDir::cleanPath(runtime + QStringLiteral("/bandolin"));
        if (!QDir().mkpath(own) ||
            !QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            runtime.clear(); // not usable: the user's folder serves
    }
    return lockFilePath(runtime, userFolder(), host, programFolder());
}

QString joinPath(const QString &folder, QStringView relative)
{
    QString part = relative.toString();
    part.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString base = folder;
    if (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (!part.startsWith(QLatin1Char('/')))
        part.prepend(QLatin1Char('/'));
    return base + part;
}

QString programPath(QStringView relative)
{
    // The user's folder is the program folder or the one under XDG_DATA_HOME. Without the file
    // in the latter, either way gives the program folder's file: the decision (which creates
    // probe files) waits until something is written, after the first window is up.
    if (!folders().user && !QFileInfo::exists(joinPath(dataHomeFolder(), relative)))
        return installedPath(relative);
    const QString own = joinPath(userFolder(), relative);
    if (userFolder() == programFolder() || QFileInfo::exists(own))
        return own;
    return installedPath(relative);
}

QString userPath(QStringView relative)
{
    return joinPath(userFolder(), relative);
}

QString installedPath(QStringView relative)
{
    return joinPath(programFolder(), relative);
}

namespace
{

// The names matching the pattern in one folder. The options dialog lists its folders at every
// opening; a folder's names change only with its modification time, so a listing is kept
// until then.
QStringList namesIn(const QString &folder, const QString &pattern)
{
    struct Listing {
        std::filesystem::file_time_type modified;
        QStringList names;
    };
    static QHash<QString, Listing> kept;
    const QString key = folder + QLatin1Char('\n') + pattern;
    std::error_code error;
    const auto modified =
        std::filesystem::last_write_time(QFile::encodeName(folder).toStdString(), error);
    if (!error) {
        if (const auto found = kept.constFind(key);
            found != kept.cend() && found->modified == modified)
            return found->names;
    }
    const QStringList names =
        QDir(folder).entryList({pattern}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    if (error)
        kept.remove(key);
    else
        kept.insert(key, {modified, names});
    return names;
}

} // namespace

QStringList folderFiles(QStringView relativeFolder, const QString &pattern)
{
    QStringList names;
    for (const QString &folder : {userFolder(), programFolder()})
        names << namesIn(joinPath(folder, relativeFolder), pattern);
    names.sort();
    names.removeDuplicates();
    return names;
}

} // namespace common
