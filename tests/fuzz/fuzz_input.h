#pragma once

// What the fuzz targets share: the input as a file in a program folder of their own, since the
// readers take files as the program meets them, and the input as text.

#include "common/cp1251.h"
#include "common/failure.h"
#include "common/program_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace fuzzing
{

// A program folder with Data/, Skin/ and Languages/, in memory where the system has it.
inline QString programFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/bandolin-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/bandolin-fuzz-XXXXXX"));
    static const bool made = [] {
        for (const char *sub : {"Data", "Skin", "Languages"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        common::setProgramFolder(dir.path());
        return true;
    }();
    (void)made;
    return dir.path();
}

// Writes the input as the file at the relative path ("/Skin/Fuzz.she") and returns its path.
inline QString inputFile(const char *relative, const uint8_t *data, size_t size)
{
    const QString path = programFolder() + QString::fromLatin1(relative);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

inline QString inputText(const uint8_t *data, size_t size)
{
    return common::decodeCp1251(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
}

} // namespace fuzzing
