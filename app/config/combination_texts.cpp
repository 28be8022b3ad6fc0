#include "config/combination_texts.h"

#include "common/text_file.h"

#include <array>

namespace config
{
namespace
{

using Texts = CombinationTexts;

struct TextLine {
    QString Texts::*member;
    int marks; // %1 to %marks must all be there
    const char *russian;
    const char *english;
};

// In the order of the language file's lines.
const auto kLines = std::to_array<TextLine>({
    {&Texts::menuCaption, 0, "&Комбинации", "&Combinations"},
    {&Texts::windowCaption, 0, "Комбинации", "Combinations"},
    {&Texts::optValue, 0, "&Сопротивление", "&Value"},
    {&Texts::optDivider, 0, "Дели&тель", "&Divider"},
    {&Texts::lblTarget, 0, "&Номинал:", "&Target:"},
    {&Texts::txtTargetTip, 0, "Сопротивление, которое нужно собрать из резисторов ряда",
     "The resistance to make from the series' resistors"},
    {&Texts::unitName, 0, "единица", "unit"},
    {&Texts::lblVin, 0, "U&вх:", "V&in:"},
    {&Texts::optVout, 0, "Uв&ых:", "V&out:"},
    {&Texts::optRatio, 0, "Отно&шение Uвых/Uвх:", "&Ratio Vout/Vin:"},
    {&Texts::txtVinTip, 0, "Входное напряжение делителя, В: по нему считается ток",
     "The divider's input voltage in volts, from which the current is worked out"},
    {&Texts::lblTotalFrom, 0, "R1 + R2 &от:", "R1 + R2 &from:"},
    {&Texts::lblTotalTo, 0, "&до:", "&up to:"},
    {&Texts::lblSeries, 0, "&Ряд:", "&Series:"},
    {&Texts::lblParts, 0, "Рез&исторов не больше:", "&Parts at most:"},
    {&Texts::lblPartsPerSide, 0, "Рез&исторов в плече не больше:", "&Parts per side at most:"},
    {&Texts::lblTolerance, 0, "До&пуск:", "Tol&erance:"},
    {&Texts::seriesTolerance, 1, "как у ряда (%1)", "the series' own (%1)"},
    {&Texts::lblExclude, 0, "Искл&ючить:", "&Leave out:"},
    {&Texts::txtExcludeTip, 0, "Номиналы, которых нет под рукой, через запятую: 4k7, 5.1k, 220",
     "Values not to use, separated by commas: 4k7, 5.1k, 220"},
    {&Texts::chkStock, 0, "Только из &запаса", "Only my stoc&k"},
    {&Texts::chkStockTip, 1, "Только номиналы из файла %1, по одному в строке",
     "Only the values listed in %1, one per line"},
    {&Texts::headerTotal, 0, "Сопротивление", "Total"},
    {&Texts::headerRatio, 0, "Uвых/Uвх", "Vout/Vin"},
    {&Texts::headerError, 0, "Погрешность", "Error"},
    {&Texts::headerParts, 0, "Резисторы", "Parts"},
    {&Texts::headerEnvelope, 0, "С учётом допусков", "With tolerances"},
    {&Texts::headerCurrent, 0, "Ток", "Current"},
    {&Texts::answersName, 0, "Решения", "Answers"},
    {&Texts::schematicName, 0, "Схема выбранного решения", "Schematic of the selected answer"},
    {&Texts::cmdToLinkora, 0, "В &Linkora", "To Li&nkora"},
    {&Texts::cmdToLinkoraTip, 0,
     "Перенести резисторы в список Linkora (решение только из последовательного или только из "
     "параллельного соединения)",
     "Put the parts into Linkora's list (an answer all in series or all in parallel)"},
    {&Texts::cmdCopy, 0, "&Копировать", "&Copy"},
    {&Texts::cmdCopyTip, 0, "Скопировать выбранное решение как текст",
     "Copy the selected answer as text"},
    {&Texts::noTarget, 0, "Введите нужное значение.", "Type the value to make."},
    {&Texts::notAValue, 1, "Не значение: %1", "Not a value: %1"},
    {&Texts::ratioOutOfRange, 0, "Отношение должно быть от 0.001 до 0.999.",
     "The ratio must lie between 0.001 and 0.999."},
    {&Texts::searching, 0, "Поиск…", "Searching…"},
    {&Texts::answerCount, 1, "Решений: %1", "Answers: %1"},
    {&Texts::noAnswer, 0, "Решений нет: расширьте диапазон или разрешите больше резисторов.",
     "No answer: widen the range or allow more parts."},
    {&Texts::noStockFile, 1, "Нет файла запаса %1", "There is no stock file %1"},
    {&Texts::emptyStock, 1, "В файле запаса %1 нет ни одного номинала",
     "The stock file %1 lists no value"},
    {&Texts::stockProblems, 2, "Строк запаса, которые не номиналы: %1. Первая: %2",
     "Stock lines that are no value: %1. The first: %2"},
    {&Texts::copiedValue, 5, "%1 = %2 (погрешность %3; от %4 до %5)",
     "%1 = %2 (error %3; %4 to %5)"},
    {&Texts::copiedDivider, 6, "R1 = %1, R2 = %2: Uвых/Uвх = %3 (погрешность %4; от %5 до %6)",
     "R1 = %1, R2 = %2: Vout/Vin = %3 (error %4; %5 to %6)"},
    {&Texts::copiedCurrent, 1, "ток при Uвх: %1", "current at Vin: %1"},
    {&Texts::milliampere, 0, "мА", "mA"},
    {&Texts::microampere, 0, "мкА", "µA"},
    {&Texts::optionsFrame, 0, "Параметры Комбинаций", "Combinations settings"},
    {&Texts::optionsPlacement, 0, "Расположение окна Комбинаций на экране:",
     "Combinations window position:"},
});

} // namespace

int combinationLineCount()
{
    return int(kLines.size());
}

CombinationTexts combinationTexts(const QStringList &lines, const QString &lang)
{
    Texts texts;
    for (int i = 0; i < combinationLineCount(); ++i) {
        const TextLine &line = kLines[std::size_t(i)];
        texts.*line.member = laterText(lines, FirstCombinationLine + i, line.marks, lang,
                                       line.russian, line.english);
    }
    return texts;
}

CombinationTexts readCombinationTexts(const QString &lang)
{
    return combinationTexts(common::readTextLines(languageFilePath(lang)), lang);
}

} // namespace config
