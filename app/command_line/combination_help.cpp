#include "command_line/combination_commands.h"

namespace command_line
{

QString combinationHelpText(Language language)
{
    return say(language, QStringLiteral(R"(
Наборы из резисторов:
  bandolin combine НОМИНАЛ [--series E24] [--parts 4] [--tolerance ДОПУСК]
                   [--range 1..10M] [--exclude 4k7,5k1] [--stock ФАЙЛ | --my-stock]
                   [--count 10] [--json]
  bandolin divider (--ratio 0.25 | --vin 12 --vout 3.3) [--total 1k..1M]
                   [--series E24] [--parts 2] [те же параметры резисторов] [--json]

combine  какими номиналами ряда набрать номинал: один резистор, или два, три,
         четыре последовательно и параллельно; лучшие ответы по отклонению,
         среди них лучший для каждого числа резисторов, с диапазоном по допуску.
divider  делитель напряжения R1 (от Vin к Vout) и R2 (от Vout к общему): в
         каждом плече резистор или пара; лучшие по отклонению коэффициента
         R2 / (R1 + R2), с его диапазоном по допуску и током при Vin.

  --series РЯД        E3, E6, E12, E24, E48, E96 или E192; по умолчанию E24.
  --parts N           combine: до N резисторов (1-4, по умолчанию 4);
                      divider: до N в плече (1 или 2, по умолчанию 2).
  --tolerance ДОПУСК  допуск резисторов; по умолчанию — допуск ряда.
  --range ОТ..ДО      номиналы ряда от и до; по умолчанию 1..10M, шире всего
                      0.1..1G.
  --exclude СПИСОК    номиналы, которых нет, через запятую.
  --stock ФАЙЛ        только номиналы из файла, по одному в строке.
  --my-stock          только номиналы из Data/Stock.txt рядом с настройками.
  --count N           сколько ответов; по умолчанию 10.
  --total ОТ..ДО      divider: R1 + R2 от и до; по умолчанию 1k..1M.

Коды выхода те же; 1 — ещё и когда не из чего выбирать.
)"),
               QStringLiteral(R"(
Combinations:
  bandolin combine VALUE [--series E24] [--parts 4] [--tolerance T]
                   [--range 1..10M] [--exclude 4k7,5k1] [--stock FILE | --my-stock]
                   [--count 10] [--json]
  bandolin divider (--ratio 0.25 | --vin 12 --vout 3.3) [--total 1k..1M]
                   [--series E24] [--parts 2] [the same part options] [--json]

combine  which values of a series make a value: one part, or two, three or
         four in series and in parallel; the best answers by error, the best of
         each number of parts among them, each with its range from the
         tolerances.
divider  a voltage divider of R1 (Vin to Vout) and R2 (Vout to ground), each
         side one part or a pair; the best by the error of the ratio
         R2 / (R1 + R2), with its range from the tolerances and the current at
         Vin.

  --series S     E3, E6, E12, E24, E48, E96 or E192; E24 unless told.
  --parts N      combine: up to N parts (1-4, 4 unless told); divider: up to N
                 a side (1 or 2, 2 unless told).
  --tolerance T  the parts' tolerance; the series' own unless told.
  --range A..B   the series' values from A to B; 1..10M unless told, 0.1..1G
                 at the widest.
  --exclude L    values not to use, parted by commas.
  --stock FILE   only the values of the file, one a line.
  --my-stock     only the values of Data/Stock.txt beside the settings.
  --count N      how many answers; 10 unless told.
  --total A..B   divider: R1 + R2 from A to B; 1k..1M unless told.

The same exit statuses; 1 also when no part is left to choose from.
)"));
}

} // namespace command_line
