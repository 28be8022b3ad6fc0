#include "command_line/commands.h"

#include "colour_code/value_words.h"
#include "command_line/colour_words.h"
#include "command_line/combination_commands.h"
#include "command_line/command_messages.h"
#include "command_line/marking_report.h"
#include "command_line/output_language.h"
#include "command_line/value_encoding.h"
#include "common/failure.h"
#include "common/program_folder.h"
#include "common/text_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>

namespace command_line
{
namespace
{

using colour_code::ColourTables;
using colour_code::parseResistance;
using colour_code::parseTolerance;
using colour_code::ResistanceWord;

const char *const kBandRoles[2][5] = {
    {"первая цифра", "вторая цифра", "третья цифра", "множитель", "допуск"},
    {"first digit", "second digit", "third digit", "multiplier", "tolerance"},
};

QString helpText(Language language)
{
    return say(language, QStringLiteral(R"(Использование:
  bandolin                             открыть окно Bandolin
  bandolin decode ЦВЕТ ЦВЕТ ЦВЕТ [ЦВЕТ [ЦВЕТ]] [--json]
  bandolin encode НОМИНАЛ [--tolerance ДОПУСК] [--bands N] [--json]

decode   номинал, допуск, отклонение и диапазон резистора с тремя, четырьмя или
         пятью полосами; цвета по порядку полос, по-русски или по-английски
         (красный, red, «голубой» или blue), в любом регистре.
encode   цвета полос номинала: 4700, 4.7k, 4k7, 4R7, 0R47, "4.7 kOhm", 2.2M, 1G
         (в коде IEC 60062 буквы R, K, M, G заменяют десятичную точку).

Параметры:
  --tolerance ДОПУСК  10%, 5%, 2%, 1%, 0.5%, 0.25%, 0.1%, 0.05%, или 20%
                      для трёх полос; по умолчанию 5%.
  --bands N           3, 4 или 5 полос; по умолчанию 4, а при допуске 2% и
                      точнее — 5.
  --json              один объект JSON вместо текста.
  -h, --help          эта справка.
  -v, --version       версия.

Коды выхода: 0 — готово; 1 — файл не читается или полосы не могут записать
номинал; 2 — командная строка не понята.
)"),
               QStringLiteral(R"(Usage:
  bandolin                             open the Bandolin window
  bandolin decode COLOUR COLOUR COLOUR [COLOUR [COLOUR]] [--json]
  bandolin encode VALUE [--tolerance T] [--bands N] [--json]

decode   the nominal, tolerance, deviation and range of a resistor of three, four
         or five bands; the colours in band order, in English or Russian (red,
         "light blue" or blue, красный), in any letter case.
encode   the band colours of a value: 4700, 4.7k, 4k7, 4R7, 0R47, "4.7 kOhm",
         2.2M, 1G (in the IEC 60062 code the letters R, K, M, G stand for the
         decimal point).

Options:
  --tolerance T  10%, 5%, 2%, 1%, 0.5%, 0.25%, 0.1%, 0.05%, or 20% for three
                 bands; 5% unless told.
  --bands N      3, 4 or 5 bands; 4 unless told, 5 for a tolerance of 2% or
                 tighter.
  --json         one JSON object instead of text.
  -h, --help     this help.
  -v, --version  the version.

Exit status: 0 done; 1 a file cannot be read or the bands cannot write the
value; 2 the command line was not understood.
)"));
}

// What a command needs from the files, read as the window reads them.
struct Files {
    config::MainWindowTexts texts;
    ColourTables tables;
};

Files readFiles(Language language)
{
    Files files;
    colour_code::LoadResTable(common::programPath(u"\\Data\\ResTable.tab"), files.tables);
    files.texts = config::readMainWindowTexts(config::languageFilePath(languageName(language)));
    return files;
}

class Command
{
public:
    Command(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    int decode(const QStringList &words, const Files &files);
    int encode(const QStringList &words, const Files &files);
    // A message on standard error and the status to end with.
    int fail(int status, const QString &message, bool hint = false);
    // The text lines, then the reading help's unless withHint is false; or the JSON object.
    void print(const MarkingReport &report, const Files &files, const QStringList &textLines,
               bool withHint = true);
    QString bandName(int position) const;
    QString namesOf(const std::vector<quint8> &codes, const Files &files) const;
    QString say(const QString &russian, const QString &english) const
    {
        return command_line::say(m_language, russian, english);
    }

    QTextStream &m_out;
    QTextStream &m_err;
    Language m_language = outputLanguageOfEnvironment();
    QCommandLineParser m_parser;
    QCommandLineOption m_json{QStringLiteral("json")};
    QCommandLineOption m_tolerance{QStringLiteral("tolerance"), QString(), QStringLiteral("T")};
    QCommandLineOption m_bands{QStringLiteral("bands"), QString(), QStringLiteral("N")};
};

int Command::fail(int status, const QString &message, bool hint)
{
    return reportFailure(m_err, m_language, status, message, hint);
}

QString Command::bandName(int position) const
{
    return QString::fromUtf8(kBandRoles[m_language == Language::Russian ? 0 : 1][position]);
}

QString Command::namesOf(const std::vector<quint8> &codes, const Files &files) const
{
    QStringList names;
    for (const quint8 code : codes)
        names << files.texts.ColourNames[code].toLower();
    return names.join(QStringLiteral(", "));
}

int Command::run(const QStringList &arguments)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    m_parser.addOptions({help, version, m_json, m_tolerance, m_bands});
    // "-json" as well as "--json", as Qt's own options are written.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addPositionalArgument(QStringLiteral("command"), QString());
    if (!m_parser.parse(QStringList{QStringLiteral("bandolin")} + arguments)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // As it was typed, with its dashes.
            QString name = QStringLiteral("--") + unknown.first();
            for (const QString &argument : arguments) {
                const QString bare = argument.section(QLatin1Char('='), 0, 0);
                if (bare == QLatin1Char('-') + unknown.first() ||
                    bare == QStringLiteral("--") + unknown.first())
                    name = bare;
            }
            return fail(
                NotUnderstood,
                say(QStringLiteral("неизвестный параметр %1"), QStringLiteral("unknown option %1"))
                    .arg(name),
                true);
        }
        return fail(NotUnderstood, m_parser.errorText(), true);
    }
    if (m_parser.isSet(help)) {
        m_out << helpText(m_language) << combinationHelpText(m_language);
        return Done;
    }
    if (m_parser.isSet(version)) {
        m_out << "Bandolin " << BANDOLIN_VERSION << '\n';
        return Done;
    }
    QStringList words = m_parser.positionalArguments();
    if (words.isEmpty())
        return fail(NotUnderstood,
                    say(QStringLiteral("не указана команда: decode или encode"),
                        QStringLiteral("no command given: decode or encode")),
                    true);
    const QString command = words.takeFirst();
    if (command != QStringLiteral("decode") && command != QStringLiteral("encode"))
        return fail(
            NotUnderstood,
            say(QStringLiteral("неизвестная команда «%1»"), QStringLiteral("unknown command '%1'"))
                .arg(command),
            true);
    if (command == QStringLiteral("decode") &&
        (m_parser.isSet(m_tolerance) || m_parser.isSet(m_bands)))
        return fail(
            NotUnderstood,
            say(QStringLiteral("--tolerance и --bands относятся к encode: в decode допуск и "
                               "число полос дают цвета"),
                QStringLiteral("--tolerance and --bands go with encode: decode takes them "
                               "from the colours")),
            true);

    Files files;
    try {
        files = readFiles(m_language);
    } catch (const common::Failure &failure) {
        return fail(Refused, failure.message());
    }
    return command == QStringLiteral("decode") ? decode(words, files) : encode(words, files);
}

int Command::decode(const QStringList &words, const Files &files)
{
    const ColourWords read = colourWords(words, files.texts.ColourNames);
    if (!read.unknownWord.isEmpty()) {
        std::vector<quint8> all;
        for (int code = 0; code < colour_code::kColourCount; ++code)
            all.push_back(quint8(code));
        const QString english =
            QStringList(englishColourNames().begin(), englishColourNames().end())
                .join(QStringLiteral(", "));
        const QString also = say(QStringLiteral("и английские: ") + english,
                                 QStringLiteral("also gray, purple, blue, and the Russian names"));
        return fail(NotUnderstood,
                    say(QStringLiteral("«%1» — не цвет полосы.\nЦвета: %2 (%3)."),
                        QStringLiteral("'%1' is not a band colour.\nColours: %2 (%3)."))
                        .arg(read.unknownWord, namesOf(all, files), also));
    }
    const int bandCount = int(read.codes.size());
    if (bandCount < 3 || bandCount > 5)
        return fail(
            NotUnderstood,
            say(QStringLiteral("decode принимает три, четыре или пять цветов по порядку полос, а "
                               "не %1"),
                QStringLiteral("decode takes three, four or five colours in band order, not %1"))
                .arg(bandCount));

    colour_code::BandCodeArray codes{};
    const std::span<const int> positions = colour_code::BandPositionsUsed(bandCount);
    for (std::size_t band = 0; band < positions.size(); ++band) {
        const int position = positions[band];
        const quint8 code = read.codes[band];
        codes[std::size_t(position)] = code;
        if (files.tables.CodeValues[code][std::size_t(position)] != colour_code::kNotAllowed)
            continue;
        std::vector<quint8> allowed;
        for (int c = 0; c < colour_code::kColourCount; ++c)
            if (files.tables.CodeValues[std::size_t(c)][std::size_t(position)] !=
                colour_code::kNotAllowed)
                allowed.push_back(quint8(c));
        return fail(NotUnderstood,
                    say(QStringLiteral("полоса %1 (%2) не бывает цвета «%3»; её цвета: %4"),
                        QStringLiteral("band %1 (%2) cannot be %3; it is one of: %4"))
                        .arg(band + 1)
                        .arg(bandName(position), files.texts.ColourNames[code].toLower(),
                             namesOf(allowed, files)));
    }
    const MarkingReport report =
        reportMarking(bandCount, codes, files.tables, files.texts, m_language, false);
    print(report, files, report.displayLines + QStringList{report.rangeLine});
    return Done;
}

int Command::encode(const QStringList &words, const Files &files)
{
    // "4.7 kOhm" may come as one word or as two.
    const QString value = words.join(QLatin1Char(' '));
    if (value.isEmpty())
        return fail(NotUnderstood,
                    say(QStringLiteral("encode: не указан номинал"),
                        QStringLiteral("encode: no value given")),
                    true);
    const ResistanceWord read = parseResistance(value);
    if (read.problem != ResistanceWord::Problem::None)
        return fail(NotUnderstood, valueProblemText(m_language, value, read.problem));

    std::optional<double> tolerance;
    if (m_parser.isSet(m_tolerance)) {
        tolerance = parseTolerance(m_parser.value(m_tolerance));
        if (!tolerance)
            tolerance = -1; // reported as a tolerance the bands do not have
    }
    std::optional<int> bandCount;
    if (m_parser.isSet(m_bands)) {
        bool number = false;
        bandCount = m_parser.value(m_bands).toInt(&number);
        if (!number)
            bandCount = 0;
    }
    const auto choice = chooseBands(tolerance, bandCount);
    if (const auto *problem = std::get_if<BandChoiceProblem>(&choice)) {
        switch (*problem) {
        case BandChoiceProblem::BandCount:
            return fail(NotUnderstood, say(QStringLiteral("--bands: 3, 4 или 5, а не «%1»"),
                                           QStringLiteral("--bands: 3, 4 or 5, not '%1'"))
                                           .arg(m_parser.value(m_bands)));
        case BandChoiceProblem::ThreeBandTolerance:
            return fail(
                NotUnderstood,
                say(QStringLiteral("у трёх полос нет полосы допуска: их допуск 20%"),
                    QStringLiteral("three bands have no tolerance band: their tolerance is 20%")));
        case BandChoiceProblem::Tolerance:
            return fail(
                NotUnderstood,
                say(QStringLiteral("--tolerance «%1»: допуск полос — 10%, 5%, 2%, 1%, 0.5%, "
                                   "0.25%, 0.1% или 0.05%, у трёх полос 20%"),
                    QStringLiteral("--tolerance '%1': the bands' tolerances are 10%, 5%, 2%, 1%, "
                                   "0.5%, 0.25%, 0.1% and 0.05%, and 20% with three bands"))
                    .arg(m_parser.value(m_tolerance)));
        }
    }
    const BandChoice bands = std::get<BandChoice>(choice);
    const ValueEncoding encoded = EncodeValue(read.ohms, bands, files.tables);
    const QString count = say(QStringList{"три", "четыре", "пять"}[bands.bandCount - 3],
                              QStringList{"three", "four", "five"}[bands.bandCount - 3]);
    const QString shown = valueWithUnit(read.ohms, files.texts);
    using Problem = ValueEncoding::Problem;
    switch (encoded.problem) {
    case Problem::None:
        break;
    case Problem::NotAboveZero:
        return fail(Refused, say(QStringLiteral("номинал должен быть больше 0"),
                                 QStringLiteral("the value must be above 0")));
    case Problem::TooManyDigits:
        return fail(
            Refused,
            say(QStringLiteral("%1: в %2 полосах %3 значащие цифры, а у номинала их больше"),
                QStringLiteral("%1: %2 bands hold %3 significant digits, and the value has more"))
                .arg(shown, count,
                     encoded.limit == 3 ? say(QStringLiteral("три"), QStringLiteral("three"))
                                        : say(QStringLiteral("две"), QStringLiteral("two"))));
    case Problem::BelowRange:
        return fail(Refused, say(QStringLiteral("%1: меньше %2, наименьшего номинала %3 полос"),
                                 QStringLiteral("%1: below %2, the smallest value of %3 bands"))
                                 .arg(shown, valueWithUnit(encoded.limit, files.texts), count));
    case Problem::AboveRange:
        return fail(Refused, say(QStringLiteral("%1: больше %2, наибольшего номинала %3 полос"),
                                 QStringLiteral("%1: above %2, the largest value of %3 bands"))
                                 .arg(shown, valueWithUnit(encoded.limit, files.texts), count));
    case Problem::NoColour:
        return fail(Refused,
                    say(QStringLiteral("%1: в таблице цветов нет цвета для полосы «%2»"),
                        QStringLiteral("%1: the colour table has no colour for the %2 band"))
                        .arg(shown, bandName(encoded.band)));
    }
    const MarkingReport report =
        reportMarking(bands.bandCount, encoded.codes, files.tables, files.texts, m_language, true);
    print(report, files, {report.colourList}, !report.hint.preferred);
    return Done;
}

void Command::print(const MarkingReport &report, const Files &files, const QStringList &textLines,
                    bool withHint)
{
    if (m_parser.isSet(m_json)) {
        m_out << QJsonDocument(reportJson(report, files.texts)).toJson(QJsonDocument::Indented);
        return;
    }
    for (const QString &line : withHint ? textLines + report.hint.lines : textLines)
        m_out << line << '\n';
}

} // namespace

int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (const std::optional<int> status = runCombinationCommand(arguments, out, err))
        return *status;
    Command command(out, err);
    const int status = command.run(arguments);
    out.flush();
    return status;
}

} // namespace command_line
