#include "command_line/commands.h"

#include "colour_code/value_words.h"
#include "command_line/batch.h"
#include "command_line/colour_words.h"
#include "command_line/combination_commands.h"
#include "command_line/command_messages.h"
#include "command_line/marking_report.h"
#include "command_line/output_language.h"
#include "command_line/smd_report.h"
#include "command_line/value_encoding.h"
#include "common/failure.h"
#include "common/program_folder.h"
#include "common/text_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <variant>

namespace command_line
{
namespace
{

using colour_code::ColourTables;
using colour_code::parseResistance;
using colour_code::parseTcr;
using colour_code::parseTolerance;
using colour_code::ResistanceWord;

const char *const kBandRoles[2][colour_code::kBandPositionCount] = {
    {"первая цифра", "вторая цифра", "третья цифра", "множитель", "допуск", "ТКС"},
    {"first digit", "second digit", "third digit", "multiplier", "tolerance", "TCR"},
};

QString helpText(Language language)
{
    return say(language, QStringLiteral(R"(Использование:
  bandolin                             открыть окно Bandolin
  bandolin decode ЦВЕТ ЦВЕТ ЦВЕТ [ЦВЕТ [ЦВЕТ [ЦВЕТ]]] [--json]
  bandolin encode НОМИНАЛ [--tolerance ДОПУСК] [--bands N] [--tcr ТКС] [--json]
  bandolin decode КОД_SMD [--json]
  bandolin encode НОМИНАЛ --smd [--json]
  bandolin decode - | encode - [ПАРАМЕТРЫ]

decode   номинал, допуск, отклонение и диапазон резистора с тремя, четырьмя,
         пятью или шестью полосами (шестая — ТКС); цвета по порядку полос,
         по-русски или по-английски (красный, red, «голубой» или blue), в любом
         регистре.
encode   цвета полос номинала: 4700, 4.7k, 4k7, 4R7, 0R47, "4.7 kOhm", 2.2M, 1G
         (в коде IEC 60062 буквы R, K, M, G заменяют десятичную точку).
КОД_SMD  код на корпусе SMD-резистора: 472, 4701, 4R7, R47, 10R0, 0 или 000
         (перемычка), EIA-96 68C; код, читаемый двояко (10R), даёт оба чтения.
-        читать стандартный ввод: по маркировке, коду или номиналу (с их
         параметрами) в строке; по строке результата на каждую, сразу же;
         ошибка строки — в её строке вывода, в конце код 1, если ошибки были.

Параметры:
  --tolerance ДОПУСК  10%, 5%, 2%, 1%, 0.5%, 0.25%, 0.1%, 0.05%, или 20%
                      для трёх полос; по умолчанию 5%.
  --bands N           3, 4, 5 или 6 полос; по умолчанию 4, а при допуске 2% и
                      точнее — 5.
  --tcr ТКС           шесть полос с ТКС в ppm/K: 250, 100, 50, 25, 20, 15, 10,
                      5 или 1; при шести полосах по умолчанию 50.
  --smd               коды SMD номинала вместо цветов полос.
  --json              один объект JSON вместо текста (с «-» — JSON Lines);
                      colours — английские названия цветов, colour_names —
                      названия на языке вывода.
  -h, --help          эта справка.
  -v, --version       версия.

Коды выхода: 0 — готово; 1 — файл не читается или полосы не могут записать
номинал; 2 — командная строка не понята.
)"),
               QStringLiteral(R"(Usage:
  bandolin                             open the Bandolin window
  bandolin decode COLOUR COLOUR COLOUR [COLOUR [COLOUR [COLOUR]]] [--json]
  bandolin encode VALUE [--tolerance T] [--bands N] [--tcr TCR] [--json]
  bandolin decode SMD_CODE [--json]
  bandolin encode VALUE --smd [--json]
  bandolin decode - | encode - [OPTIONS]

decode   the nominal, tolerance, deviation and range of a resistor of three, four,
         five or six bands (the sixth is the TCR); the colours in band order, in
         English or Russian (red, "light blue" or blue, красный), in any letter
         case.
encode   the band colours of a value: 4700, 4.7k, 4k7, 4R7, 0R47, "4.7 kOhm",
         2.2M, 1G (in the IEC 60062 code the letters R, K, M, G stand for the
         decimal point).
SMD_CODE the code on a surface-mount resistor: 472, 4701, 4R7, R47, 10R0, 0 or
         000 (a jumper), EIA-96 68C; a code that reads two ways (10R) gives
         both readings.
-        read standard input: a marking, code or value (with its options) per
         line; a result line for each, at once; a line's error in its place,
         and status 1 at the end if any line failed.

Options:
  --tolerance T  10%, 5%, 2%, 1%, 0.5%, 0.25%, 0.1%, 0.05%, or 20% for three
                 bands; 5% unless told.
  --bands N      3, 4, 5 or 6 bands; 4 unless told, 5 for a tolerance of 2% or
                 tighter.
  --tcr TCR      six bands with this TCR in ppm/K: 250, 100, 50, 25, 20, 15,
                 10, 5 or 1; 50 for six bands unless told.
  --smd          the value's SMD codes instead of band colours.
  --json         one JSON object instead of text (JSON Lines with -); colours
                 are the English colour names, colour_names those of the
                 output language.
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
    // A line of a batch gives its result to line and reads the batch's files.
    Command(QTextStream &out, QTextStream &err, LineResult *line = nullptr,
            const Files *files = nullptr)
        : m_out(out), m_err(err), m_line(line), m_files(files)
    {
    }

    int run(const QStringList &arguments);

private:
    int decode(const QStringList &words, const Files &files);
    int encode(const QStringList &words, const Files &files);
    int decodeSmd(const QString &code, const Files &files);
    int encodeSmd(double ohms);
    int batch(QStringList arguments);
    // The text lines or the JSON object, as --json asks.
    void output(const QStringList &lines, const QJsonObject &json);
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
    LineResult *m_line;
    const Files *m_files;
    Files m_ownFiles;
    Language m_language = outputLanguageOfEnvironment();
    QCommandLineParser m_parser;
    bool m_parserReady = false;
    QCommandLineOption m_json{QStringLiteral("json")};
    QCommandLineOption m_tolerance{QStringLiteral("tolerance"), QString(), QStringLiteral("T")};
    QCommandLineOption m_bands{QStringLiteral("bands"), QString(), QStringLiteral("N")};
    QCommandLineOption m_smd{QStringLiteral("smd")};
    QCommandLineOption m_tcr{QStringLiteral("tcr"), QString(), QStringLiteral("TCR")};
    // --tcr: its value, or a refusal (the exit status) when it is none the tables have.
    std::variant<std::optional<double>, int> tcrOption(const Files &files);
};

int Command::fail(int status, const QString &message, bool hint)
{
    if (m_line) {
        m_line->error = message;
        return status;
    }
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
    // A batch runs one Command for all its lines.
    if (!m_parserReady) {
        m_parser.addOptions({help, version, m_json, m_tolerance, m_bands, m_smd, m_tcr});
        // "-json" as well as "--json", as Qt's own options are written.
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        m_parser.addPositionalArgument(QStringLiteral("command"), QString());
        m_parserReady = true;
    }
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
    if (m_line && (m_parser.isSet(help) || m_parser.isSet(version)))
        return fail(NotUnderstood, say(QStringLiteral("--help и --version — не для строки"),
                                       QStringLiteral("--help and --version are not for a line")));
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
        (m_parser.isSet(m_tolerance) || m_parser.isSet(m_bands) || m_parser.isSet(m_tcr)))
        return fail(
            NotUnderstood,
            say(QStringLiteral("--tolerance, --bands и --tcr относятся к encode: в decode "
                               "допуск, число полос и ТКС дают цвета"),
                QStringLiteral("--tolerance, --bands and --tcr go with encode: decode takes "
                               "them from the colours")),
            true);
    if (command == QStringLiteral("decode") && m_parser.isSet(m_smd))
        return fail(NotUnderstood,
                    say(QStringLiteral("--smd относится к encode; decode читает код, данный "
                                       "словом (decode 68C)"),
                        QStringLiteral("--smd goes with encode; decode reads a code given as its "
                                       "word (decode 68C)")),
                    true);

    if (!m_files) {
        try {
            m_ownFiles = readFiles(m_language);
        } catch (const common::Failure &failure) {
            return fail(Refused, failure.message());
        }
        m_files = &m_ownFiles;
    }
    if (words.contains(QStringLiteral("-"))) {
        if (m_line || words.size() > 1)
            return fail(NotUnderstood,
                        say(QStringLiteral("«-» (читать стандартный ввод) стоит в команде один"),
                            QStringLiteral("'-' (read standard input) stands alone in a command")));
        return batch(arguments);
    }
    return command == QStringLiteral("decode") ? decode(words, *m_files) : encode(words, *m_files);
}

int Command::decode(const QStringList &words, const Files &files)
{
    const ColourWords read = colourWords(words, files.texts.ColourNames);
    // One word that is not a colour, with a digit in it, is a code printed on a part.
    if (words.size() == 1 && !read.unknownWord.isEmpty() && meantAsSmdCode(words[0]))
        return decodeSmd(words[0], files);
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
    if (bandCount < 3 || bandCount > 6)
        return fail(NotUnderstood,
                    say(QStringLiteral("decode принимает три, четыре, пять или шесть цветов по "
                                       "порядку полос, а не %1"),
                        QStringLiteral("decode takes three, four, five or six colours in band "
                                       "order, not %1"))
                        .arg(bandCount));

    colour_code::BandCodeArray codes{};
    const std::span<const int> positions = colour_code::BandPositionsUsed(bandCount);
    for (std::size_t band = 0; band < positions.size(); ++band) {
        const int position = positions[band];
        const quint8 code = read.codes[band];
        codes[std::size_t(position)] = code;
        if (colour_code::RoleValue(files.tables, code, position) != colour_code::kNotAllowed)
            continue;
        std::vector<quint8> allowed;
        for (int c = 0; c < colour_code::kColourCount; ++c)
            if (colour_code::RoleValue(files.tables, c, position) != colour_code::kNotAllowed)
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

    if (m_parser.isSet(m_smd)) {
        if (m_parser.isSet(m_tolerance) || m_parser.isSet(m_bands) || m_parser.isSet(m_tcr))
            return fail(NotUnderstood,
                        say(QStringLiteral("--smd даёт коды, а не полосы: --tolerance, --bands "
                                           "и --tcr к нему не относятся"),
                            QStringLiteral("--smd gives codes, not bands: --tolerance, --bands "
                                           "and --tcr do not go with it")));
        return encodeSmd(read.ohms);
    }

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
    const auto tcr = tcrOption(files);
    if (const int *refused = std::get_if<int>(&tcr))
        return *refused;
    const auto choice = chooseBands(tolerance, bandCount, std::get<std::optional<double>>(tcr));
    if (const auto *problem = std::get_if<BandChoiceProblem>(&choice)) {
        switch (*problem) {
        case BandChoiceProblem::BandCount:
            return fail(NotUnderstood, say(QStringLiteral("--bands: 3, 4, 5 или 6, а не «%1»"),
                                           QStringLiteral("--bands: 3, 4, 5 or 6, not '%1'"))
                                           .arg(m_parser.value(m_bands)));
        case BandChoiceProblem::TcrBandCount:
            return fail(NotUnderstood,
                        say(QStringLiteral("--tcr: ТКС несёт только шестая полоса, а не %1"),
                            QStringLiteral("--tcr: only a sixth band carries the TCR, not %1"))
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
    const QString count = say(QStringList{"три", "четыре", "пять", "шесть"}[bands.bandCount - 3],
                              QStringList{"three", "four", "five", "six"}[bands.bandCount - 3]);
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

int Command::decodeSmd(const QString &code, const Files &files)
{
    const colour_code::SmdDecoding read = colour_code::DecodeSmdCode(code);
    if (read.problem != colour_code::SmdProblem::None)
        return fail(NotUnderstood, smdProblemMessage(code, read.problem, m_language));
    const SmdReport report = reportSmdCode(code, read, files.texts, m_language);
    output(report.lines, report.json);
    return Done;
}

int Command::encodeSmd(double ohms)
{
    const SmdReport report = reportSmdCodes(ohms);
    if (report.lines.isEmpty())
        return fail(Refused, say(QStringLiteral("%1: ни один код SMD не пишет этот номинал"),
                                 QStringLiteral("%1: no SMD code writes this value"))
                                 .arg(valueWithUnit(ohms, m_files->texts)));
    output(report.lines, report.json);
    return Done;
}

int Command::batch(QStringList arguments)
{
    // The command line's options hold for every line; a line's own come after them and win.
    arguments.removeOne(QStringLiteral("-"));
    QTextStream in(stdin);
    LineResult result;
    Command line(m_out, m_err, &result, m_files);
    return runBatch(in, m_out, m_err, m_parser.isSet(m_json), m_language,
                    [&](const QStringList &words) {
                        result = {};
                        result.status = line.run(arguments + words);
                        return result;
                    });
}

std::variant<std::optional<double>, int> Command::tcrOption(const Files &files)
{
    if (!m_parser.isSet(m_tcr))
        return std::optional<double>();
    const std::optional<double> tcr = parseTcr(m_parser.value(m_tcr));
    const QStringList items = colour_code::TcrItems(files.tables);
    if (tcr && items.contains(colour_code::TcrItem(*tcr)))
        return tcr;
    QStringList values;
    for (const QString &item : items)
        values << item.section(QLatin1Char(' '), 0, 0);
    return fail(NotUnderstood, say(QStringLiteral("--tcr «%1»: ТКС полос — %2 ppm/K"),
                                   QStringLiteral("--tcr '%1': the bands' TCRs are %2 ppm/K"))
                                   .arg(m_parser.value(m_tcr), values.join(QStringLiteral(", "))));
}

void Command::print(const MarkingReport &report, const Files &files, const QStringList &textLines,
                    bool withHint)
{
    if (m_parser.isSet(m_json))
        output({}, reportJson(report, files.texts));
    else
        output(withHint ? textLines + report.hint.lines : textLines, {});
}

void Command::output(const QStringList &lines, const QJsonObject &json)
{
    if (m_line) {
        m_line->lines = lines;
        m_line->json = json;
    } else if (m_parser.isSet(m_json)) {
        m_out << QJsonDocument(json).toJson(QJsonDocument::Indented);
    } else {
        for (const QString &line : lines)
            m_out << line << '\n';
    }
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
