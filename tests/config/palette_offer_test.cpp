// Colours an older colour-code table does not offer leave their palette without a hole.

#include "config/palette_offer.h"

#include "support/test_folder.h"

#include <QTest>

class PaletteOfferTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Default.she's layout with one colour taken out of a palette by the table.
    void gapCloses_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("risen");   // the entry that takes the left-out one's place, or -1
        QTest::addColumn<int>("unmoved"); // an entry that stays where it was
        QTest::addColumn<float>("shorter");
        QTest::newRow("head of the third digit: black") << 2 << 2 << 26 << 47 << 240.0f;
        QTest::newRow("last entry of the third digit: white") << 2 << 11 << -1 << 31 << 240.0f;
        QTest::newRow("tolerance, left column: brown") << 4 << 3 << 3 << 6 << 0.0f;
    }

    void gapCloses()
    {
        QFETCH(int, position);
        QFETCH(int, code);
        QFETCH(int, risen);
        QFETCH(int, unmoved);
        QFETCH(float, shorter);
        const QString data = testing_support::builtProgramFolder();
        const config::MainWindowSkin delivered =
            config::readMainWindowSkin(data + "/Skin/Default.she");
        colour_code::ColourTables tables;
        colour_code::LoadResTable(data + "/Data/ResTable.tab", tables);
        tables.CodeValues[std::size_t(code)][std::size_t(position)] = colour_code::kNotAllowed;

        config::MainWindowSkin skin = delivered;
        config::closePaletteGaps(skin, tables);
        int leftOut = -1;
        for (const colour_code::PaletteEntry &e : colour_code::PaletteEntries(position))
            if (e.code == code)
                leftOut = e.lblColor;
        if (risen >= 0)
            QCOMPARE(skin.lblColor[std::size_t(risen)], delivered.lblColor[std::size_t(leftOut)]);
        QCOMPARE(skin.lblColor[std::size_t(unmoved)], delivered.lblColor[std::size_t(unmoved)]);
        QCOMPARE(skin.picPalleteSizes[std::size_t(position)].height,
                 delivered.picPalleteSizes[std::size_t(position)].height - shorter);
        // Every other palette keeps the skin's layout.
        const int other = position == 2 ? 1 : 2;
        QCOMPARE(skin.picPalleteSizes[std::size_t(other)],
                 delivered.picPalleteSizes[std::size_t(other)]);
    }
};

QTEST_GUILESS_MAIN(PaletteOfferTest)
#include "palette_offer_test.moc"
