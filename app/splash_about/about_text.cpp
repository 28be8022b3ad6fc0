#include "splash_about/about_text.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/text_file.h"

#include <cmath>

namespace splash_about
{
namespace
{
constexpr int kCountLine = 103;
} // namespace

QStringList readAboutLines(const QString &path)
{
    return aboutLines(path, common::readTextLines(path));
}

QStringList aboutLines(const QString &path, const QStringList &fileLines)
{
    common::LineReader reader(path, fileLines);
    reader.skipLines(kCountLine - 1);
    const QString countLine = reader.readLine();
    double count = 0;
    try {
        count = common::leadingNumber(countLine);
    } catch (const common::Failure &failure) {
        reader.fail(failure.message());
    }
    const qsizetype available = fileLines.size() - kCountLine;
    // Compared as doubles: the counter k is taken while k <= count.
    const qsizetype taken =
        count < 1 ? 0 : (count >= double(available) ? available : qsizetype(std::floor(count)));
    return fileLines.mid(kCountLine, taken);
}

QString aboutCaption(const QStringList &lines)
{
    QString caption;
    for (const QString &line : lines) {
        caption += line;
        caption += QLatin1Char('\n');
    }
    return caption;
}

int nextAboutTextTop(int top, int height)
{
    if (top + height < 0)
        top = kAboutRestartTop;
    return top - kAboutScrollStep;
}

} // namespace splash_about
