#include "help_block.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/text_file.h"

namespace help
{
namespace
{

constexpr int kAboutCountLine = 103;
constexpr int kLanguageLine = 5;

// Where the block broke off: the line that was missing or could not be read.
struct BrokenOff {
    int line;
};

// Reads the help block's lines in order; where the file ends, or a count cannot be read, the
// block breaks off at that line.
class BlockReader
{
public:
    explicit BlockReader(const QStringList &lines) : m_reader(QString(), lines) {}

    QString line()
    {
        if (m_reader.atEnd())
            throw BrokenOff{m_reader.nextLineNumber()};
        return m_reader.readLine();
    }
    void skip(int count)
    {
        for (int i = 0; i < count; ++i)
            line();
    }
    int count()
    {
        const QString text = line();
        try {
            return common::wholeCount(text);
        } catch (const common::Failure &) {
            throw BrokenOff{m_reader.nextLineNumber() - 1}; // a number beyond any range
        }
    }

private:
    common::LineReader m_reader;
};

} // namespace

HelpBlock parseHelpBlock(const QStringList &lines)
{
    HelpBlock help;
    BlockReader reader(lines);
    try {
        reader.skip(kAboutCountLine - 1);
        reader.skip(reader.count());
        help.caption = reader.line();
        const int topics = reader.count();
        for (int t = 0; t < topics; ++t) {
            HelpTopic topic;
            topic.title = reader.line();
            // From here on the topic is shown, even if its text breaks off.
            help.topics.push_back(topic);
            HelpTopic &read = help.topics.back();
            const int lineCount = reader.count();
            for (int l = 0; l < lineCount; ++l) {
                read.text += reader.line();
                read.text += QLatin1String("\r\n");
            }
        }
    } catch (const BrokenOff &brokenOff) {
        help.complete = false;
        help.brokenAtLine = brokenOff.line;
    }
    return help;
}

QString settingsFilePath()
{
    return common::programPath(u"\\Data\\Settings.dat");
}

QString languageFilePath(const QString &lang)
{
    return common::programPath(QStringLiteral("\\Languages\\") + lang + QStringLiteral(".lng"));
}

Manual loadManual()
{
    Manual manual;
    const QString settings = settingsFilePath();
    if (!common::fileExists(settings)) {
        manual.problem = StartProblem::SettingsMissing;
        manual.problemFile = settings;
        return manual;
    }
    try {
        const QStringList lines = common::readTextLines(settings);
        if (lines.size() < kLanguageLine)
            throw common::Failure(settings);
        manual.HelpLang = lines.at(kLanguageLine - 1);
    } catch (const common::Failure &) {
        manual.problem = StartProblem::SettingsUnreadable;
        manual.problemFile = settings;
        return manual;
    }

    manual.languageFile = languageFilePath(manual.HelpLang);
    if (!common::fileExists(manual.languageFile)) {
        manual.problem = StartProblem::LanguageMissing;
        manual.problemFile = manual.languageFile;
        return manual;
    }
    try {
        manual.help = parseHelpBlock(common::readTextLines(manual.languageFile));
    } catch (const common::Failure &) {
        manual.problem = StartProblem::LanguageUnreadable;
        manual.problemFile = manual.languageFile;
    }
    return manual;
}

} // namespace help
