#include "language_file.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/combination_texts.h"
#include "config/reading_help_texts.h"

#include <QFileInfo>

namespace config
{
namespace
{

void skipTo(common::LineReader &reader, int line)
{
    reader.skipLines(line - reader.nextLineNumber());
}

template <std::size_t N> void readInto(common::LineReader &reader, std::array<QString, N> &texts)
{
    for (QString &text : texts)
        text = reader.readLine();
}

constexpr int kAboutCountLine = 103;

// A language file is named after its language, as the settings keep it.
QString languageOf(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QString unitListName(const QString &path, const QStringList &lines)
{
    return laterLine(lines, UnitListNameLine)
        .value_or(inLanguage(languageOf(path), QStringLiteral("Единица"), QStringLiteral("Unit"),
                             QStringLiteral(" / ")));
}

} // namespace

std::optional<qsizetype> laterLinesStart(const QStringList &lines)
{
    qsizetype next = kAboutCountLine - 1; // 0-based index of the line to read next
    auto count = [&]() -> std::optional<int> {
        if (next >= lines.size())
            return std::nullopt;
        try {
            return common::wholeCount(lines.at(next++));
        } catch (const common::Failure &) {
            return std::nullopt;
        }
    };
    const auto about = count();
    if (!about)
        return std::nullopt;
    next += qsizetype(*about) + 1; // the about lines and the help window's caption
    const auto topics = count();
    if (!topics)
        return std::nullopt;
    for (int t = 0; t < *topics; ++t) {
        ++next; // title
        const auto topicLines = count();
        if (!topicLines)
            return std::nullopt;
        next += *topicLines;
    }
    if (next > lines.size())
        return std::nullopt;
    return next;
}

std::optional<QString> laterLine(const QStringList &lines, int number)
{
    const auto start = laterLinesStart(lines);
    if (!start || number < 0 || *start + number >= lines.size())
        return std::nullopt;
    return lines.at(*start + number);
}

QString laterText(const QStringList &lines, int number, int marks, const QString &lang,
                  const char *russian, const char *english)
{
    if (const std::optional<QString> read = laterLine(lines, number)) {
        bool marked = true;
        for (int i = 1; i <= marks; ++i)
            marked = marked && read->contains(QLatin1Char('%') + QString::number(i));
        if (marked)
            return *read;
    }
    return inLanguage(lang, QString::fromUtf8(russian), QString::fromUtf8(english),
                      QStringLiteral(" / "));
}

QString inLanguage(const QString &lang, const QString &russian, const QString &english,
                   const QString &joint)
{
    if (lang == QStringLiteral("Русский"))
        return russian;
    if (lang == QStringLiteral("English"))
        return english;
    return russian + joint + english;
}

QString languageFilePath(const QString &lang)
{
    return common::programPath(QStringLiteral("\\Languages\\") + lang + QStringLiteral(".lng"));
}

MainWindowTexts parseMainWindowTexts(const QString &path, const QStringList &lines)
{
    common::LineReader reader(path, lines);
    MainWindowTexts t;
    skipTo(reader, 4);
    readInto(reader, t.MenuCaptions);
    t.NotChosenText = reader.readLine();
    for (int i = 0; i < 5; ++i)
        t.LangTexts[i] = reader.readLine();
    for (int i = 0; i < 3; ++i)
        t.BandCountNames[i] = reader.readLine();
    readInto(reader, t.ColourNames);
    reader.skipLines(1);
    t.LangPos2 = reader.readLine();
    t.LangPos1 = reader.readLine();
    skipTo(reader, 80);
    readInto(reader, t.ControlCaptions);
    for (int i = 5; i < 16; ++i)
        t.LangTexts[i] = reader.readLine();
    t.CopyCaption = laterLine(lines, CopyCaptionLine);
    const QString lang = languageOf(path);
    t.BandCountNames[3] = laterText(lines, SixBandsLine, 0, lang, "Шесть", "Six");
    t.SixBands.bandTitle =
        laterText(lines, SixthBandTitleLine, 0, lang, "Шестая полоса:", "Sixth band:");
    t.SixBands.tcrCaption = laterText(lines, TcrCaptionLine, 0, lang, "ТКС:", "TCR:");
    t.SixBands.tcrToolTip =
        laterText(lines, TcrToolTipLine, 0, lang, "Температурный коэффициент сопротивления, ppm/K",
                  "Temperature coefficient of resistance, ppm/K");
    t.SixBands.tcrLine =
        laterText(lines, TcrDisplayLine, 1, lang, "ТКС: %1 ppm/K", "TCR: %1 ppm/K");
    t.SixBands.paletteName =
        laterText(lines, TcrPaletteNameLine, 0, lang, "Цвета шестой полосы", "Sixth band colours");
    t.ReadingHint =
        readingHintTexts(lines, lang,
                         {t.ControlCaptions[2], t.ControlCaptions[3], t.ControlCaptions[4],
                          t.ControlCaptions[5], t.ControlCaptions[6]});
    t.UnitListName = unitListName(path, lines);
    return t;
}

VoltamoTexts parseVoltamoTexts(const QString &path, const QStringList &lines)
{
    common::LineReader reader(path, lines);
    VoltamoTexts t;
    skipTo(reader, 15);
    t.resistanceUnit = reader.readLine();
    skipTo(reader, 38);
    for (QString *text : {&t.voltageUnit, &t.currentUnit, &t.Command1Caption, &t.voltageName,
                          &t.currentName, &t.resistanceName, &t.lblUToolTip, &t.lblIToolTip,
                          &t.lblRToolTip, &t.txtResultToolTip, &t.failureText, &t.failureTitle})
        *text = reader.readLine();
    return t;
}

LinkoraTexts parseLinkoraTexts(const QString &path, const QStringList &lines)
{
    common::LineReader reader(path, lines);
    LinkoraTexts t;
    skipTo(reader, 15);
    readInto(reader, t.unitNames);
    skipTo(reader, 50);
    for (QString *text :
         {&t.cmdAddCaption, &t.cmdRemoveCaption, &t.cmdClearCaption, &t.cmdCalcCaption,
          &t.lblResultCaption, &t.Label1Caption, &t.picParalToolTip, &t.picPosledToolTip,
          &t.txtNominalToolTip, &t.cmbEdinIzToolTip, &t.lstResistorsToolTip, &t.cmdAddToolTip,
          &t.cmdRemoveToolTip, &t.cmdClearToolTip, &t.cmdCalcToolTip})
        *text = reader.readLine();
    t.cmbEdinIzName = unitListName(path, lines);
    return t;
}

OptionsTexts parseOptionsTexts(const QString &path, const QStringList &lines)
{
    common::LineReader reader(path, lines);
    OptionsTexts t;
    skipTo(reader, 8);
    t.PreferencesCaption = reader.readLine();
    skipTo(reader, 15);
    readInto(reader, t.unitNames);
    skipTo(reader, 21);
    t.fourBandsName = reader.readLine();
    skipTo(reader, 36);
    t.LangPos2 = reader.readLine();
    t.LangPos1 = reader.readLine();
    skipTo(reader, 65);
    readInto(reader, t.Captions);
    const CombinationTexts combination = combinationTexts(lines, QFileInfo(path).completeBaseName());
    t.CombinationsFrame = combination.optionsFrame;
    t.CombinationsPlacement = combination.optionsPlacement;
    return t;
}

LanguageFile parseLanguageFile(const QString &path, const QStringList &lines)
{
    LanguageFile file;
    file.main = parseMainWindowTexts(path, lines);
    file.voltamo = parseVoltamoTexts(path, lines);
    file.linkora = parseLinkoraTexts(path, lines);
    file.options = parseOptionsTexts(path, lines);
    return file;
}

MainWindowTexts readMainWindowTexts(const QString &path)
{
    return parseMainWindowTexts(path, common::readTextLines(path));
}

VoltamoTexts readVoltamoTexts(const QString &path)
{
    return parseVoltamoTexts(path, common::readTextLines(path));
}

LinkoraTexts readLinkoraTexts(const QString &path)
{
    return parseLinkoraTexts(path, common::readTextLines(path));
}

OptionsTexts readOptionsTexts(const QString &path)
{
    return parseOptionsTexts(path, common::readTextLines(path));
}

LanguageFile readLanguageFile(const QString &path)
{
    return parseLanguageFile(path, common::readTextLines(path));
}

} // namespace config
