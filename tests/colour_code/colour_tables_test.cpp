#include "colour_code/colour_tables.h"

#include "common/failure.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "common/units.h"
#include "support/test_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <set>

using namespace colour_code;
using Row = std::array<double, 5>;

Q_DECLARE_METATYPE(Row)

namespace {

QString deliveredTablePath() { return testing_support::sourceFolder() + QStringLiteral("/data/Data/ResTable.tab"); }

ColourTables deliveredTables()
{
    ColourTables tables;
    LoadResTable(deliveredTablePath(), tables);
    return tables;
}

} // namespace

class ColourTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void swatchColoursConvertBothWays();
    void unknownColoursAndCodes();
    void paletteEntriesCoverEveryLabelOnce();
    void palettesOfferExactlyTheColoursTheTableGivesAValue_data();
    void palettesOfferExactlyTheColoursTheTableGivesAValue();
    void toleranceItemsMatchTheTolerancePalette();
    void bandPlaces_data();
    void bandPlaces();
    void wholeMarkingPaintsUsedBandsOnly();

    void valueRows_data();
    void valueRows();
    void textColoursRoundToWholeNumbers();
    void tcrLines_data();
    void tcrLines();
    void missingOrShortFileFailsNamingTheLine();
    void namesAreReplacedNotAppended();

    void deliveredFile();
    void deliveredFileBytes();
};

void ColourTablesTest::swatchColoursConvertBothWays()
{
    std::set<quint32> seen;
    for (int code = 0; code < kColourCount; ++code) {
        QCOMPARE(ColourToCode(CodeToColour(code)), quint8(code));
        quint32 colour = 0, back = 99;
        ConvertColourCode(quint32(code), false, colour);
        QCOMPARE(colour, CodeToColourValue(code));
        ConvertColourCode(colour, true, back);
        QCOMPARE(back, quint32(code));
        seen.insert(colour);
    }
    QCOMPARE(seen.size(), std::size_t(kColourCount));
    // Stored values carry red in the low byte: gold #EAD03E.
    QCOMPARE(CodeToColourValue(Gold), quint32(0x3ED0EA));
    QCOMPARE(CodeToColour(Brown), QColor(0x80, 0x40, 0x00));
    QCOMPARE(SwatchTextColour(Violet), std::optional<QColor>(QColor(0xE0, 0xE0, 0xE0)));
    QCOMPARE(SwatchTextColour(Red), std::nullopt);
}

void ColourTablesTest::unknownColoursAndCodes()
{
    QCOMPARE(ColourToCode(QColor(0xE0, 0xE0, 0xE0)), quint8(Silver));
    QCOMPARE(ColourToCode(QColor(1, 2, 3)), quint8(Silver));
    QCOMPARE(ColourToCode(QColor()), quint8(Silver));
    QCOMPARE(CodeToColourValue(12), 0u);
    QCOMPARE(CodeToColourValue(-1), 0u);
    QCOMPARE(CodeToColour(12), CodeToColour(Black));
    quint32 out = 1;
    ConvertColourCode(12, false, out);
    QCOMPARE(out, 0u);
    ConvertColourCode(0x123456, true, out);
    QCOMPARE(out, 0u);
}

void ColourTablesTest::paletteEntriesCoverEveryLabelOnce()
{
    std::set<int> labels;
    for (int position = 0; position < kPaletteCount; ++position) {
        std::set<std::pair<int, int>> cells;
        for (const PaletteEntry &entry : PaletteEntries(position)) {
            QVERIFY(labels.insert(entry.lblColor).second);
            QVERIFY(cells.insert({entry.column, entry.row}).second);
            QCOMPARE(LblColorCode(entry.lblColor), int(entry.code));
            QCOMPARE(LblColorPalette(entry.lblColor), position);
        }
    }
    QCOMPARE(labels.size(), std::size_t(kLblColorCount));
    QCOMPARE(*labels.begin(), 0);
    QCOMPARE(*labels.rbegin(), kLblColorCount - 1);
    QCOMPARE(LblColorCode(kLblColorCount), -1);
    QCOMPARE(LblColorPalette(-1), -1);
    QVERIFY(PaletteEntries(6).empty());
}

void ColourTablesTest::palettesOfferExactlyTheColoursTheTableGivesAValue_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("first digit") << 0;
    QTest::newRow("second digit") << 1;
    QTest::newRow("third digit") << 2;
    QTest::newRow("multiplier") << 3;
    QTest::newRow("tolerance") << 4;
    QTest::newRow("TCR") << 5;
}

void ColourTablesTest::palettesOfferExactlyTheColoursTheTableGivesAValue()
{
    QFETCH(int, position);
    const ColourTables tables = deliveredTables();
    std::set<int> offered;
    for (const PaletteEntry &entry : PaletteEntries(position))
        offered.insert(entry.code);
    for (int code = 0; code < kColourCount; ++code) {
        const bool hasValue = RoleValue(tables, code, position) != kNotAllowed;
        QVERIFY2(hasValue == offered.contains(code), qPrintable(QStringLiteral("code %1").arg(code)));
    }
}

void ColourTablesTest::toleranceItemsMatchTheTolerancePalette()
{
    const ColourTables tables = deliveredTables();
    const QStringList items = ToleranceItems();
    const auto palette = PaletteEntries(ToleranceBand);
    QCOMPARE(items.size(), 8);
    QCOMPARE(qsizetype(palette.size()), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        QString number = items[i];
        number.chop(1);
        QCOMPARE(common::leadingNumber(number), tables.CodeValues[palette[std::size_t(i)].code][ToleranceBand]);
    }
}

void ColourTablesTest::bandPlaces_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("markingPlace");
    QTest::addColumn<int>("singlePlace");
    QTest::newRow("3: first digit") << 3 << 0 << 0 << 0;
    QTest::newRow("3: second digit") << 3 << 1 << 1 << 1;
    QTest::newRow("3: third digit unused") << 3 << 2 << -1 << 2;
    QTest::newRow("3: multiplier right after the digits") << 3 << 3 << 2 << 2;
    QTest::newRow("3: tolerance unused") << 3 << 4 << -1 << 4;
    QTest::newRow("4: third digit unused") << 4 << 2 << -1 << 2;
    QTest::newRow("4: multiplier") << 4 << 3 << 2 << 2;
    QTest::newRow("4: tolerance") << 4 << 4 << 3 << 3;
    QTest::newRow("5: third digit") << 5 << 2 << 2 << 2;
    QTest::newRow("5: multiplier") << 5 << 3 << 3 << 3;
    QTest::newRow("5: tolerance") << 5 << 4 << 4 << 4;
    QTest::newRow("6: the first five as five bands") << 6 << 4 << 4 << 4;
    QTest::newRow("6: TCR after the tolerance") << 6 << 5 << 5 << 5;
    QTest::newRow("5: no TCR painted") << 5 << 5 << -1 << -1;
    QTest::newRow("unknown count: first band still painted") << 0 << 0 << -1 << 0;
    QTest::newRow("unknown count: others not") << 0 << 3 << -1 << -1;
    QTest::newRow("position out of range") << 6 << 6 << -1 << -1;
}

void ColourTablesTest::bandPlaces()
{
    QFETCH(int, bandCount);
    QFETCH(int, position);
    QFETCH(int, markingPlace);
    QFETCH(int, singlePlace);
    QCOMPARE(MarkingPlace(bandCount, position), markingPlace);
    QCOMPARE(SingleBandPlace(bandCount, position), singlePlace);
}

void ColourTablesTest::wholeMarkingPaintsUsedBandsOnly()
{
    const BandCodeArray codes = {Yellow, Violet, Green, Red, Gold};
    const auto three = MarkingPaints(3, codes);
    QCOMPARE(three.size(), std::size_t(3));
    QCOMPARE(three[0].place, 0);
    QVERIFY(three[0].picture == BandPicture::First);
    QCOMPARE(three[2].place, 2);
    QCOMPARE(three[2].code, quint8(Red)); // the multiplier, not the unused third digit
    QVERIFY(three[2].picture == BandPicture::Other);
    const auto four = MarkingPaints(4, codes);
    QCOMPARE(four.size(), std::size_t(4));
    QCOMPARE(four[3].place, 3);
    QCOMPARE(four[3].code, quint8(Gold));
    QCOMPARE(MarkingPaints(5, codes).size(), std::size_t(5));
    const BandCodeArray six = {Brown, Black, Black, Red, Brown, Red};
    const auto sixPaints = MarkingPaints(6, six);
    QCOMPARE(sixPaints.size(), std::size_t(6));
    QCOMPARE(sixPaints[5].code, quint8(Red));
    QVERIFY(sixPaints[5].picture == BandPicture::Tcr); // on the far cap, a picture of its own
    QVERIFY(MarkingPaints(0, codes).empty());
    QVERIFY(BandPositionsUsed(7).empty());
    QCOMPARE(BandCountFromIndex(3), 6);
    QCOMPARE(BandCountFromIndex(4), 0);
}

// A value row written into line 15 + 5 of an otherwise delivered file, loaded over a table
// whose row 5 holds 7 everywhere.
void ColourTablesTest::valueRows_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<Row>("expected");
    const double no = kNotAllowed;
    QTest::newRow("not allowed fields") << QStringLiteral("1|Нет|Нет|10|Нет") << false << Row{1, no, no, 10, no};
    QTest::newRow("empty line keeps the row") << QString() << false << Row{7, 7, 7, 7, 7};
    QTest::newRow("short row keeps the rest") << QStringLiteral("1|2") << false << Row{1, 2, 7, 7, 7};
    QTest::newRow("trailing bar after four fields stores 0")
        << QStringLiteral("1|2|3|4|") << false << Row{1, 2, 3, 4, 0};
    QTest::newRow("empty fields read as 0") << QStringLiteral("|||0.1|") << false << Row{0, 0, 0, 0.1, 0};
    QTest::newRow("Нет only in its exact spelling")
        << QStringLiteral("нет|НЕТ| Нет|Нет |1 000") << false << Row{0, 0, 0, 0, 1000};
    QTest::newRow("comma ends a number") << QStringLiteral("2,5|1E3|0.01|1D2|-1") << false
                                         << Row{2, 1000, 0.01, 100, -1};
    QTest::newRow("sixth field") << QStringLiteral("1|2|3|4|5|6") << true << Row{};
    QTest::newRow("trailing bar after five fields") << QStringLiteral("1|2|3|4|5|") << true << Row{};
    QTest::newRow("number beyond double range") << QStringLiteral("1E999|1|1|1|1") << true << Row{};
}

void ColourTablesTest::valueRows()
{
    QFETCH(QString, line);
    QFETCH(bool, fails);
    QFETCH(Row, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ResTable.tab"));
    QStringList lines = common::readTextLines(deliveredTablePath());
    lines[19] = line;
    common::writeTextLines(path, lines);

    ColourTables tables;
    tables.CodeValues[5] = {7, 7, 7, 7, 7};
    if (fails) {
        try {
            LoadResTable(path, tables);
            QFAIL("the load did not fail");
        } catch (const common::Failure &failure) {
            QVERIFY2(failure.message().contains(path), qPrintable(failure.message()));
            QVERIFY2(failure.message().contains(QStringLiteral("line 20")), qPrintable(failure.message()));
        }
        QVERIFY(tables.CodeNames.isEmpty()); // nothing applied
        QCOMPARE(tables.CodeValues[5], (Row{7, 7, 7, 7, 7}));
        return;
    }
    LoadResTable(path, tables);
    QCOMPARE(tables.CodeValues[5], expected);
    QCOMPARE(tables.CodeValues[6], (Row{4, 4, 4, 10000, kNotAllowed})); // the rows around it are read
    QCOMPARE(tables.CodeValues[4], (Row{2, 2, 2, 100, 2}));
}

void ColourTablesTest::textColoursRoundToWholeNumbers()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ResTable.tab"));
    QStringList lines = common::readTextLines(deliveredTablePath());
    lines[27] = QStringLiteral("2.5");  // halves go to the even neighbour
    lines[28] = QStringLiteral("3.5");
    lines[29] = QStringLiteral("-1");   // a negative value keeps its 32 bits
    lines[30] = QStringLiteral("16777215 white");
    common::writeTextLines(path, lines);
    ColourTables tables;
    LoadResTable(path, tables);
    QCOMPARE(tables.CodeTextColours[0], 2u);
    QCOMPARE(tables.CodeTextColours[1], 4u);
    QCOMPARE(tables.CodeTextColours[2], 0xFFFFFFFFu);
    QCOMPARE(tables.CodeTextColours[3], 0xFFFFFFu);

    lines[38] = QStringLiteral("1E10");
    common::writeTextLines(path, lines);
    QVERIFY_THROWS_EXCEPTION(common::Failure, LoadResTable(path, tables));
}

// The TCR lines after line 39 of the delivered file: the file cut at its line `length` (all of
// it for 0), with line 40 + `line` set to `text` where `line` is 1 to 12.
void ColourTablesTest::tcrLines_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("tcr"); // NaN: the load fails
    const double fails = std::nan("");
    QTest::newRow("older table: built in") << 39 << 0 << "" << int(Black) << 250.0;
    QTest::newRow("older table: none for white") << 39 << 0 << "" << int(White) << kNotAllowed;
    QTest::newRow("cut inside: the rest built in") << 45 << 0 << "" << int(Yellow) << 25.0;
    QTest::newRow("read from the file") << 0 << 5 << "75 ppm/K" << int(Red) << 75.0;
    QTest::newRow("Нет: no TCR") << 0 << 11 << "Нет" << int(Grey) << kNotAllowed;
    QTest::newRow("empty line: built in") << 0 << 4 << "" << int(Brown) << 100.0;
    QTest::newRow("beyond the double range") << 0 << 3 << "1E999" << int(Black) << fails;
}

void ColourTablesTest::tcrLines()
{
    QFETCH(int, length);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(double, tcr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ResTable.tab"));
    QStringList lines = common::readTextLines(deliveredTablePath());
    if (length > 0)
        lines = lines.mid(0, length);
    if (line > 0)
        lines[39 + line] = text;
    common::writeTextLines(path, lines);
    ColourTables tables;
    tables.CodeTcr.fill(3); // not kept: a table without the line gets the built-in value
    if (std::isnan(tcr)) {
        try {
            LoadResTable(path, tables);
            QFAIL("the load did not fail");
        } catch (const common::Failure &failure) {
            QVERIFY2(failure.message().contains(QStringLiteral("line %1").arg(40 + line)),
                     qPrintable(failure.message()));
        }
        return;
    }
    LoadResTable(path, tables);
    QCOMPARE(tables.CodeTcr[std::size_t(code)], tcr);
    QCOMPARE(RoleValue(tables, code, TcrBand), tcr);
}

void ColourTablesTest::missingOrShortFileFailsNamingTheLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ResTable.tab"));
    ColourTables tables;
    try {
        LoadResTable(path, tables);
        QFAIL("a missing file was loaded");
    } catch (const common::Failure &failure) {
        QVERIFY(failure.message().contains(path));
    }

    QStringList lines = common::readTextLines(deliveredTablePath());
    lines.resize(38);
    common::writeTextLines(path, lines);
    try {
        LoadResTable(path, tables);
        QFAIL("a short file was loaded");
    } catch (const common::Failure &failure) {
        QVERIFY(failure.message().contains(path));
        QVERIFY2(failure.message().contains(QStringLiteral("39")), qPrintable(failure.message()));
    }
    QVERIFY(tables.CodeNames.isEmpty());
}

void ColourTablesTest::namesAreReplacedNotAppended()
{
    ColourTables tables;
    tables.CodeNames = QStringList(15, QStringLiteral("old"));
    LoadResTable(deliveredTablePath(), tables);
    LoadResTable(deliveredTablePath(), tables);
    QCOMPARE(tables.CodeNames.size(), kColourCount);
    QCOMPARE(tables.CodeNames.first(), QStringLiteral("Silver.bmp"));
}

void ColourTablesTest::deliveredFile()
{
    const ColourTables tables = deliveredTables();
    QCOMPARE(tables.CodeNames,
             QStringList({"Silver.bmp", "Gold.bmp", "Black.bmp", "Brown.bmp", "Red.bmp", "Orange.bmp", "Yellow.bmp",
                          "Green.bmp", "Blue.bmp", "Violet.bmp", "Grey.bmp", "White.bmp"}));
    const double no = kNotAllowed;
    const std::array<Row, kColourCount> iec = {{
        {no, no, no, 0.01, 10},
        {no, no, no, 0.1, 5},
        {no, 0, 0, 1, no},
        {1, 1, 1, 10, 1},
        {2, 2, 2, 100, 2},
        {3, 3, 3, 1e3, no},
        {4, 4, 4, 1e4, no},
        {5, 5, 5, 1e5, 0.5},
        {6, 6, 6, 1e6, 0.25},
        {7, 7, 7, 1e7, 0.1},
        {8, 8, 8, 1e8, 0.05},
        {9, 9, 9, 1e9, no},
    }};
    for (int code = 0; code < kColourCount; ++code)
        QCOMPARE(tables.CodeValues[std::size_t(code)], iec[std::size_t(code)]);

    // Light text on the dark swatches only; a file shifted by one line breaks this.
    for (int code = 0; code < kColourCount; ++code) {
        const QColor text = common::colourFromValue(tables.CodeTextColours[std::size_t(code)]);
        const QColor swatch = CodeToColour(code);
        QVERIFY2(std::abs(text.lightness() - swatch.lightness()) >= 100, qPrintable(QString::number(code)));
    }
    QCOMPARE(tables.CodeTextColours[Black], 0xE0E0E0u);
    QCOMPARE(tables.CodeTextColours[Gold], 0u);
    QCOMPARE(tables.CodeTextColours[White], 0u);

    // The TCR of IEC 60062, and the selector's items from it, largest first.
    const std::array<double, kColourCount> tcr = {no, no, 250, 100, 50, 15, 25, 20, 10, 5, 1, no};
    QCOMPARE(tables.CodeTcr, tcr);
    QCOMPARE(TcrItems(tables), QStringList({"250 ppm/K", "100 ppm/K", "50 ppm/K", "25 ppm/K", "20 ppm/K",
                                            "15 ppm/K", "10 ppm/K", "5 ppm/K", "1 ppm/K"}));
}

void ColourTablesTest::deliveredFileBytes()
{
    QFile file(deliveredTablePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 52);
    QCOMPARE(bytes.count('\n'), 52);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.contains("\xCD\xE5\xF2|")); // "Нет" in Windows-1251
}

QTEST_GUILESS_MAIN(ColourTablesTest)
#include "colour_tables_test.moc"
