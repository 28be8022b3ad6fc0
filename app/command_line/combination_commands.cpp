#include "command_line/combination_commands.h"

#include "colour_code/value_words.h"
#include "combinations/combinations.h"
#include "command_line/combination_report.h"
#include "command_line/command_messages.h"
#include "command_line/commands.h"
#include "common/failure.h"
#include "config/language_file.h"
#include "config/settings_file.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

namespace command_line
{
namespace
{

using combinations::PartChoice;
using combinations::Range;

const QString kCombine = QStringLiteral("combine");
const QString kDivider = QStringLiteral("divider");

// The options of both commands: those that take a value, and flags.
const QStringList &valueOptions()
{
    static const QStringList names = {"series", "parts", "tolerance", "exclude", "stock", "count",
                                      "range",  "ratio", "vin",       "vout",    "total"};
    return names;
}
const QStringList &flagOptions()
{
    static const QStringList names = {"json", "my-stock", "help", "h"};
    return names;
}
// What only divider takes.
const QStringList &dividerOnly()
{
    static const QStringList names = {"ratio", "vin", "vout", "total"};
    return names;
}

// "--series=E24" and "-series" name "series"; a word that is no option names nothing.
QString optionName(const QString &argument)
{
    if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')) ||
        argument == QStringLiteral("--"))
        return {};
    return argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1)
        .section(QLatin1Char('='), 0, 0);
}

// The first word that is neither an option nor the value of one (encode's --bands included).
QString commandWord(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = optionName(arguments[i]);
        if (name.isEmpty())
            return arguments[i];
        if (!arguments[i].contains(QLatin1Char('=')) &&
            (valueOptions().contains(name) || name == QStringLiteral("bands")))
            ++i;
    }
    return {};
}

class CombinationCommand
{
public:
    CombinationCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    int fail(int status, const QString &message, bool hint = false)
    {
        m_status = status;
        return reportFailure(m_err, m_language, status, message, hint);
    }
    QString say(const QString &russian, const QString &english) const
    {
        return command_line::say(m_language, russian, english);
    }
    bool isSet(const QString &name) const { return m_values.contains(name); }
    QString value(const QString &name) const { return m_values.value(name).last(); }

    bool parse(const QStringList &arguments);
    int combine();
    int divider();
    // Each reader reports its problem and leaves the status in m_status when it gives none.
    struct Shared {
        int parts = 0;
        int count = 0;
        PartChoice choice;
    };
    // --parts (up to mostParts, that unless given), --count and the choice of parts.
    std::optional<Shared> sharedOptions(int mostParts);
    std::optional<PartChoice> partChoice();
    std::optional<Range> range(const QString &option, Range unless);
    std::optional<int> number(const QString &option, int unless, int most);
    std::optional<double> volts(const QString &option);
    std::optional<double> ratio();
    QString choiceText(const PartChoice &choice) const;
    void print(QJsonObject json, const QJsonArray &answers, const QString &heading,
               const QStringList &lines);

    QTextStream &m_out;
    QTextStream &m_err;
    Language m_language = outputLanguageOfEnvironment();
    int m_status = Done;
    QString m_command;
    QStringList m_words;
    QMap<QString, QStringList> m_values;
    QSet<QString> m_flags;
    QStringList m_units;
    QString m_stockPath;
};

bool CombinationCommand::parse(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const QString name = optionName(argument);
        if (name.isEmpty()) {
            if (m_command.isEmpty())
                m_command = argument;
            else
                m_words << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (valueOptions().contains(name)) {
            if (equals < 0 && i + 1 == arguments.size()) {
                fail(NotUnderstood,
                     say(QStringLiteral("после %1 нужно значение"),
                         QStringLiteral("%1 needs a value"))
                         .arg(argument),
                     true);
                return false;
            }
            m_values[name] << (equals >= 0 ? argument.mid(equals + 1) : arguments[++i]);
        } else if (flagOptions().contains(name) && equals < 0) {
            m_flags << name;
        } else {
            fail(NotUnderstood,
                 say(QStringLiteral("неизвестный параметр %1"), QStringLiteral("unknown option %1"))
                     .arg(argument.section(QLatin1Char('='), 0, 0)),
                 true);
            return false;
        }
    }
    if (m_command == kCombine)
        for (const QString &name : dividerOnly())
            if (isSet(name)) {
                fail(NotUnderstood,
                     say(QStringLiteral("--%1 относится к divider"),
                         QStringLiteral("--%1 goes with divider"))
                         .arg(name),
                     true);
                return false;
            }
    return true;
}

int CombinationCommand::run(const QStringList &arguments)
{
    if (!parse(arguments))
        return m_status;
    if (m_flags.contains(QStringLiteral("help")) || m_flags.contains(QStringLiteral("h"))) {
        m_out << combinationHelpText(m_language).mid(1); // without the blank line before it
        return Done;
    }
    try {
        const config::MainWindowTexts texts =
            config::readMainWindowTexts(config::languageFilePath(languageName(m_language)));
        m_units = QStringList(texts.LangTexts.begin(), texts.LangTexts.begin() + 5);
    } catch (const common::Failure &failure) {
        return fail(Refused, failure.message());
    }
    return m_command == kCombine ? combine() : divider();
}

std::optional<int> CombinationCommand::number(const QString &option, int unless, int most)
{
    if (!isSet(option))
        return unless;
    bool whole = false;
    const int n = value(option).trimmed().toInt(&whole);
    if (whole && n >= 1 && n <= most)
        return n;
    fail(NotUnderstood, say(QStringLiteral("--%1: от 1 до %2, а не «%3»"),
                            QStringLiteral("--%1: 1 to %2, not '%3'"))
                            .arg(option)
                            .arg(most)
                            .arg(value(option)));
    return std::nullopt;
}

std::optional<CombinationCommand::Shared> CombinationCommand::sharedOptions(int mostParts)
{
    Shared shared;
    const std::optional<int> parts = number(QStringLiteral("parts"), mostParts, mostParts);
    const std::optional<int> count =
        parts ? number(QStringLiteral("count"), 10, 1000) : std::optional<int>();
    const std::optional<PartChoice> choice = count ? partChoice() : std::nullopt;
    if (!choice)
        return std::nullopt;
    return Shared{*parts, *count, *choice};
}

std::optional<Range> CombinationCommand::range(const QString &option, Range unless)
{
    if (!isSet(option))
        return unless;
    const QStringList ends = value(option).split(QStringLiteral(".."));
    if (ends.size() == 2) {
        const colour_code::ResistanceWord low = colour_code::parseResistance(ends[0]);
        const colour_code::ResistanceWord high = colour_code::parseResistance(ends[1]);
        using Problem = colour_code::ResistanceWord::Problem;
        if (low.problem == Problem::None && high.problem == Problem::None && low.ohms > 0 &&
            low.ohms <= high.ohms)
            return Range{low.ohms, high.ohms};
    }
    fail(NotUnderstood,
         say(QStringLiteral(
                 "--%1 «%2»: диапазон пишется от меньшего к большему, например 10k..100k"),
             QStringLiteral("--%1 '%2': write a range from low to high, as in 10k..100k"))
             .arg(option, value(option)));
    return std::nullopt;
}

std::optional<PartChoice> CombinationCommand::partChoice()
{
    PartChoice choice;
    if (isSet(QStringLiteral("series"))) {
        const auto series = combinations::seriesFromName(value(QStringLiteral("series")));
        if (!series) {
            fail(NotUnderstood,
                 say(QStringLiteral("--series «%1»: ряды — E3, E6, E12, E24, E48, E96 и E192"),
                     QStringLiteral("--series '%1': the series are E3, E6, E12, E24, E48, E96 "
                                    "and E192"))
                     .arg(value(QStringLiteral("series"))));
            return std::nullopt;
        }
        choice.series = *series;
    }
    if (isSet(QStringLiteral("tolerance"))) {
        const QString text = value(QStringLiteral("tolerance"));
        choice.tolerancePercent = colour_code::parseTolerance(text);
        if (!choice.tolerancePercent || !(*choice.tolerancePercent > 0) ||
            !(*choice.tolerancePercent < 100)) {
            fail(NotUnderstood,
                 say(QStringLiteral("--tolerance «%1»: допуск в процентах, больше 0 и меньше 100"),
                     QStringLiteral("--tolerance '%1': a tolerance in percent, above 0 and below "
                                    "100"))
                     .arg(text));
            return std::nullopt;
        }
    }
    const std::optional<Range> parts = range(QStringLiteral("range"), Range{});
    if (!parts)
        return std::nullopt;
    if (parts->low < combinations::kWidestRange.low * (1 - 1e-9) ||
        parts->high > combinations::kWidestRange.high * (1 + 1e-9)) {
        fail(NotUnderstood, say(QStringLiteral("--range: резисторы берутся от 0.1 Ом до 1 ГОм"),
                                QStringLiteral("--range: parts go from 0.1 Ohm to 1 GOhm")));
        return std::nullopt;
    }
    choice.range = *parts;
    // Commas part the values, so a decimal comma cannot be used here.
    for (const QString &list : m_values.value(QStringLiteral("exclude")))
        for (const QString &word :
             list.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts)) {
            const colour_code::ResistanceWord read = colour_code::parseResistance(word);
            if (read.problem != colour_code::ResistanceWord::Problem::None) {
                fail(NotUnderstood, QStringLiteral("--exclude: ") +
                                        valueProblemText(m_language, word, read.problem));
                return std::nullopt;
            }
            choice.excluded.push_back(read.ohms);
        }

    const bool myStock = m_flags.contains(QStringLiteral("my-stock"));
    if (!isSet(QStringLiteral("stock")) && !myStock)
        return choice;
    if (myStock && isSet(QStringLiteral("stock"))) {
        fail(NotUnderstood, say(QStringLiteral("--stock или --my-stock: только одно"),
                                QStringLiteral("--stock or --my-stock, not both")));
        return std::nullopt;
    }
    if (isSet(QStringLiteral("range"))) {
        fail(NotUnderstood,
             say(QStringLiteral("--range выбирает номиналы ряда; с запасом резисторы — из файла"),
                 QStringLiteral("--range chooses the series' values; with a stock the parts "
                                "come from the file")));
        return std::nullopt;
    }
    m_stockPath = myStock ? combinations::stockFilePath() : value(QStringLiteral("stock"));
    const combinations::StockFile stock = combinations::readStock(m_stockPath);
    if (!stock.opened) {
        fail(Refused, say(QStringLiteral("не удаётся прочитать файл запаса %1"),
                          QStringLiteral("cannot read the stock file %1"))
                          .arg(m_stockPath));
        return std::nullopt;
    }
    for (const QString &problem : stock.problems)
        m_err << "bandolin: " << problem
              << say(QStringLiteral(": не номинал, строка пропущена"),
                     QStringLiteral(": not a value; the line is left out"))
              << '\n';
    if (stock.tooMany)
        m_err << "bandolin: " << m_stockPath
              << say(QStringLiteral(": больше %1 номиналов; остальные пропущены"),
                     QStringLiteral(": more than %1 values; the rest are left out"))
                     .arg(combinations::kMostParts)
              << '\n';
    m_err.flush();
    choice.stock = stock.values;
    return choice;
}

QString CombinationCommand::choiceText(const PartChoice &choice) const
{
    const QString tolerance =
        QString::number(combinations::partTolerancePercent(choice)) + QLatin1Char('%');
    if (choice.stock)
        return say(QStringLiteral("запас %1, %2"), QStringLiteral("stock %1, %2"))
            .arg(m_stockPath, tolerance);
    return say(QStringLiteral("%1 %2, от %3 до %4"), QStringLiteral("%1 %2, %3 to %4"))
        .arg(combinations::seriesName(choice.series), tolerance,
             shortValueText(choice.range.low, m_units), shortValueText(choice.range.high, m_units));
}

void CombinationCommand::print(QJsonObject json, const QJsonArray &answers, const QString &heading,
                               const QStringList &lines)
{
    if (m_flags.contains(QStringLiteral("json"))) {
        json.insert(QStringLiteral("answers"), answers);
        m_out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return;
    }
    m_out << heading << '\n';
    for (const QString &line : lines)
        m_out << line << '\n';
}

// The choice of parts as JSON: series, tolerance, and the range or the stock file.
QJsonObject choiceJson(const PartChoice &choice, const QString &stockPath)
{
    QJsonObject json;
    json.insert(QStringLiteral("series"), combinations::seriesName(choice.series));
    json.insert(QStringLiteral("tolerance"), combinations::partTolerancePercent(choice));
    if (choice.stock) {
        json.insert(QStringLiteral("stock"), stockPath);
    } else {
        json.insert(QStringLiteral("range_low"), choice.range.low);
        json.insert(QStringLiteral("range_high"), choice.range.high);
    }
    return json;
}

int CombinationCommand::combine()
{
    const QString text = m_words.join(QLatin1Char(' ')); // "4.7 kOhm" as one word or two
    if (text.isEmpty())
        return fail(NotUnderstood,
                    say(QStringLiteral("combine: не указан номинал"),
                        QStringLiteral("combine: no value given")),
                    true);
    const colour_code::ResistanceWord read = colour_code::parseResistance(text);
    if (read.problem != colour_code::ResistanceWord::Problem::None)
        return fail(NotUnderstood, valueProblemText(m_language, text, read.problem));
    if (!(read.ohms > 0) || !std::isfinite(read.ohms))
        return fail(NotUnderstood, say(QStringLiteral("номинал должен быть больше 0"),
                                       QStringLiteral("the value must be above 0")));
    const std::optional<Shared> shared = sharedOptions(4);
    if (!shared)
        return m_status;
    const PartChoice &choice = shared->choice;
    const int parts = shared->parts;

    combinations::ValueQuery query;
    query.target = read.ohms;
    query.parts = choice;
    query.maxParts = parts;
    query.count = shared->count;
    const std::vector<combinations::Answer> answers = combinations::findCombinations(query);
    if (answers.empty())
        return fail(Refused, say(QStringLiteral("не из чего выбирать: все номиналы исключены"),
                                 QStringLiteral("no parts to choose from: every value is left "
                                                "out")));
    QJsonObject json = choiceJson(choice, m_stockPath);
    json.insert(QStringLiteral("target"), read.ohms);
    json.insert(QStringLiteral("max_parts"), parts);
    print(json, combineJson(answers),
          say(QStringLiteral("%1 из резисторов %2, до %3 в цепи:"),
              QStringLiteral("%1 from parts of %2, up to %3 in a network:"))
              .arg(shortValueText(read.ohms, m_units), choiceText(choice))
              .arg(parts),
          combineLines(answers, m_units, m_language));
    return Done;
}

std::optional<double> CombinationCommand::volts(const QString &option)
{
    QString text = value(option).trimmed();
    text.remove(QRegularExpression(QStringLiteral("\\s*[VvВв]$")));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<double> read = config::strictNumber(text);
    if (read && *read > 0 && std::isfinite(*read))
        return read;
    fail(NotUnderstood, say(QStringLiteral("--%1 «%2»: напряжение в вольтах, больше 0"),
                            QStringLiteral("--%1 '%2': a voltage in volts, above 0"))
                            .arg(option, value(option)));
    return std::nullopt;
}

std::optional<double> CombinationCommand::ratio()
{
    const bool given = isSet(QStringLiteral("ratio"));
    const bool vin = isSet(QStringLiteral("vin"));
    const bool vout = isSet(QStringLiteral("vout"));
    if (given == vout || (vout && !vin)) {
        fail(NotUnderstood,
             say(QStringLiteral("divider: укажите --ratio или --vin и --vout"),
                 QStringLiteral("divider: give --ratio, or --vin and --vout")),
             true);
        return std::nullopt;
    }
    std::optional<double> ratio;
    QString written;
    if (given) {
        written = value(QStringLiteral("ratio")).trimmed();
        QString text = written;
        const bool percent = text.endsWith(QLatin1Char('%'));
        if (percent)
            text.chop(1);
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        ratio = config::strictNumber(text);
        if (ratio && percent)
            *ratio /= 100;
    } else {
        const std::optional<double> in = volts(QStringLiteral("vin"));
        const std::optional<double> out = in ? volts(QStringLiteral("vout")) : std::nullopt;
        if (!out)
            return std::nullopt;
        ratio = combinations::dividerRatio(*in, *out);
        written = QString::number(*out / *in, 'g', 6);
    }
    if (ratio && *ratio >= combinations::kLowestRatio * (1 - 1e-12) &&
        *ratio <= combinations::kHighestRatio * (1 + 1e-12))
        return ratio;
    fail(NotUnderstood, say(QStringLiteral("коэффициент Vout/Vin — от 0.001 до 0.999, а не %1"),
                            QStringLiteral("the ratio Vout/Vin goes from 0.001 to 0.999, not %1"))
                            .arg(written));
    return std::nullopt;
}

int CombinationCommand::divider()
{
    if (!m_words.isEmpty())
        return fail(NotUnderstood,
                    say(QStringLiteral("divider не принимает номинал: «%1»; укажите --ratio или "
                                       "--vin и --vout"),
                        QStringLiteral("divider takes no value: '%1'; give --ratio, or --vin and "
                                       "--vout"))
                        .arg(m_words.join(QLatin1Char(' '))));
    const std::optional<double> wanted = ratio();
    if (!wanted)
        return m_status;
    std::optional<double> vin;
    if (isSet(QStringLiteral("vin")) && !(vin = volts(QStringLiteral("vin"))))
        return m_status;
    const std::optional<Range> total = range(QStringLiteral("total"), Range{1e3, 1e6});
    if (!total)
        return m_status;
    const std::optional<Shared> shared = sharedOptions(2);
    if (!shared)
        return m_status;
    const PartChoice &choice = shared->choice;
    const int perSide = shared->parts;

    combinations::DividerQuery query;
    query.ratio = *wanted;
    query.vin = vin;
    query.parts = choice;
    query.total = *total;
    query.maxPartsPerSide = perSide;
    query.count = shared->count;
    const std::vector<combinations::DividerAnswer> answers = combinations::findDividers(query);
    if (answers.empty())
        return fail(
            Refused,
            say(QStringLiteral("ни один делитель не укладывается в R1 + R2 от %1 до %2"),
                QStringLiteral("no divider has R1 + R2 within %1 to %2"))
                .arg(shortValueText(total->low, m_units), shortValueText(total->high, m_units)));
    QJsonObject json = choiceJson(choice, m_stockPath);
    json.insert(QStringLiteral("target_ratio"), *wanted);
    if (vin)
        json.insert(QStringLiteral("vin"), *vin);
    json.insert(QStringLiteral("total_low"), total->low);
    json.insert(QStringLiteral("total_high"), total->high);
    json.insert(QStringLiteral("max_parts_per_side"), perSide);
    print(json, dividerJson(answers),
          say(QStringLiteral("Коэффициент %1 из резисторов %2, R1 + R2 от %3 до %4, до %5 в "
                             "плече:"),
              QStringLiteral("Ratio %1 from parts of %2, R1 + R2 %3 to %4, up to %5 a side:"))
              .arg(QString::number(*wanted, 'g', 6), choiceText(choice),
                   shortValueText(total->low, m_units), shortValueText(total->high, m_units))
              .arg(perSide),
          dividerLines(answers, m_units, m_language));
    return Done;
}

} // namespace

std::optional<int> runCombinationCommand(const QStringList &arguments, QTextStream &out,
                                         QTextStream &err)
{
    const QString command = commandWord(arguments);
    if (command != kCombine && command != kDivider)
        return std::nullopt;
    CombinationCommand run(out, err);
    const int status = run.run(arguments);
    out.flush();
    return status;
}

} // namespace command_line
