// Colours an older colour-code table does not offer leave their palette without a hole.

#include "config/palette_offer.h"

#include "support/test_folder.h"

#include <QTest>

class PaletteOfferTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Default.she with one colour taken out of a palette by the table: the entry that rises into
    // its place (-1: none), one that stays, and how much shorter the palette gets.
    void gapCloses()
    {
        struct Case {
            int position, code, leftOut, risen, unmoved;
            float shorter;
        };
        const Case cases[] = {{2, colour_code::Black, 48, 26, 32, 240}, // the head
                              {2, colour_code::White, 20, -1, 31, 240}, // the last entry
                              {4, colour_code::Brown, 2, 3, 6, 0}};     // a column of two
        const QString folder = testing_support::builtProgramFolder();
        const config::MainWindowSkin delivered =
            config::readMainWindowSkin(folder + "/Skin/Default.she");
        colour_code::ColourTables full;
        colour_code::LoadResTable(folder + "/Data/ResTable.tab", full);
        for (const Case &c : cases) {
            colour_code::ColourTables tables = full;
            tables.CodeValues[c.code][c.position] = colour_code::kNotAllowed;
            config::MainWindowSkin skin = delivered;
            config::closePaletteGaps(skin, tables);
            if (c.risen >= 0)
                QCOMPARE(skin.lblColor[c.risen], delivered.lblColor[c.leftOut]);
            QCOMPARE(skin.lblColor[c.unmoved], delivered.lblColor[c.unmoved]);
            QCOMPARE(skin.picPalleteSizes[c.position].height,
                     delivered.picPalleteSizes[c.position].height - c.shorter);
        }
    }
};

QTEST_GUILESS_MAIN(PaletteOfferTest)
#include "palette_offer_test.moc"
