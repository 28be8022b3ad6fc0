#include "test_folder.h"

#include "common/program_folder.h"
#include "common/text_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace testing_support {

QString builtProgramFolder() { return QStringLiteral(BANDOLIN_BUILT_PROGRAM_DIR); }
QString sourceFolder() { return QStringLiteral(BANDOLIN_SOURCE_DIR); }

QString beforeSixBands(const QString &name)
{
    const QString path = QStringLiteral(BANDOLIN_BEFORE_SIX_BANDS_DIR "/") + name;
    return QFileInfo(path).size() > 0 ? path : QString();
}

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        if (QFileInfo(src).fileName() == QLatin1String("Settings.dat"))
            continue;
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        if (!QFile::copy(src, dst))
            throw std::runtime_error("cannot copy test data");
    }
}
} // namespace

TestFolder::TestFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    for (const char *sub : {"Data", "Skin", "Languages"})
        copyTree(builtProgramFolder() + QLatin1Char('/') + QLatin1String(sub),
                 m_dir.path() + QLatin1Char('/') + QLatin1String(sub));
    common::setProgramFolder(m_dir.path());
}

TestFolder::~TestFolder()
{
    common::setProgramFolder(QString());
    qunsetenv("XDG_DATA_HOME");
}

QString TestFolder::makeReadOnly()
{
    m_dataHome = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_dataHome->path().toLocal8Bit());
    common::setProgramFolder(m_dir.path(), common::FolderAccess::ReadOnly);
    return common::userFolder();
}

QString TestFolder::file(const QString &relative) const
{
    QString part = relative;
    part.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!part.startsWith(QLatin1Char('/')))
        part.prepend(QLatin1Char('/'));
    return m_dir.path() + part;
}

void TestFolder::remove(const QString &relative) const { QFile::remove(file(relative)); }

void TestFolder::writeLines(const QString &relative, const QStringList &lines) const
{
    common::writeTextLines(file(relative), lines);
}

QStringList TestFolder::readLines(const QString &relative) const
{
    return common::readTextLines(file(relative));
}

} // namespace testing_support
