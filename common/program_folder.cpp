#include "program_folder.h"

#include <QCoreApplication>

namespace common {
namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString programPath(QStringView relative)
{
    QString part = relative.toString();
    part.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString folder = programFolder();
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (!part.startsWith(QLatin1Char('/')))
        part.prepend(QLatin1Char('/'));
    return folder + part;
}

} // namespace common
