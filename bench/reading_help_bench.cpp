// QT_QPA_PLATFORM=offscreen build/bench/reading_help_bench
// The reading help of a five-band marking: computed alone, composed into its lines, and as the
// main window shows it.

#include "colour_code/reading_help.h"
#include "config/language_file.h"
#include "support/form_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace colour_code;
using testing_support::FormFixture;

namespace
{

// 17 kOhm 1 %, which no maker sells: the other end and the look-alikes are all looked at.
const BandMarking kMarking{5, {Brown, Violet, Black, Red, Brown}};

} // namespace

class ReadingHelpBench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodedHintAndItsLines()
    {
        ColourTables tables;
        LoadResTable(testing_support::sourceFolder() + QStringLiteral("/data/Data/ResTable.tab"),
                     tables);
        const config::MainWindowTexts texts = config::readMainWindowTexts(
            testing_support::sourceFolder() + QStringLiteral("/data/Languages/Русский.lng"));
        const QStringList units(texts.LangTexts.begin(), texts.LangTexts.end());
        ReadingHintText text;
        QBENCHMARK
        {
            const std::optional<ReadingHint> hint = DecodedReadingHint(kMarking, tables);
            text = ComposeReadingHint(*hint, texts.ReadingHint, units, texts.ColourNames);
        }
        QCOMPARE(text.lines.size(), 1 + qsizetype(kMaxHintCandidates));
    }

    void encodedHintOfFiveBands()
    {
        ColourTables tables;
        LoadResTable(testing_support::sourceFolder() + QStringLiteral("/data/Data/ResTable.tab"),
                     tables);
        std::optional<ReadingHint> hint;
        QBENCHMARK
        {
            hint = EncodedReadingHint(5, 4800, 1, tables);
        }
        QVERIFY(hint && hint->below && hint->above);
    }

    void shownByTheWindow()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->cmbPolosok->setCurrentIndex(2);
        w->cmbPolosok_Click();
        for (int i = 0; i < 5; ++i)
            w->SetBand(i, kMarking.codes[std::size_t(i)]);
        w->Command1_Click();
        QBENCHMARK
        {
            w->ShowReadingHint();
        }
        QVERIFY(w->lblHint->accessibleName().contains(QStringLiteral("1.2 ГОм 1%")));
    }
};

QTEST_MAIN(ReadingHelpBench)
#include "reading_help_bench.moc"
