#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testing_support {

// A temporary program folder holding a copy of the delivered Data/, Skin/ and Languages/
// (pictures included, no settings file). It becomes the program folder for its lifetime.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    QString path() const { return m_dir.path(); }
    // Path of a file under the folder, given as the data files write it ("\Data\x").
    QString file(const QString &relative) const;
    void remove(const QString &relative) const;
    void writeLines(const QString &relative, const QStringList &lines) const;
    QStringList readLines(const QString &relative) const;
    // A program folder that cannot be written; returns the user's folder under a temporary
    // XDG_DATA_HOME.
    QString makeReadOnly();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QTemporaryDir> m_dataHome;
};

// The delivered tree as built beside the executables, and the source tree.
QString builtProgramFolder();
QString sourceFolder();
// A delivered file (Default.she, Русский.lng, ResTable.tab...) as it was before six bands;
// empty when the history was not at hand.
QString beforeSixBands(const QString &name);

} // namespace testing_support
