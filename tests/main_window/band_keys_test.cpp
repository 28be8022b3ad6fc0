// The colour-code screen from the keyboard: palettes opened, walked and closed by keys, held
// keys, and what assistive technology is told.

#include "band_screen_support.h"

#include <QKeyEvent>
#include <QPushButton>

using namespace band_screen;

class BandKeysTest : public QObject, public Screen
{
    Q_OBJECT

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { f.reset(); }

    // From cmbPolosok, where the window opens: Tab to a band, Space, Down to the colour, Enter;
    // then Space on Decode. The same as the clicks do.
    void keysAloneDecodeAsClicksDo()
    {
        QApplication::setActiveWindow(w());
        QVERIFY(QTest::qWaitForWindowActive(w()));
        const std::pair<int, int> choices[4] = {
            {0, colour_code::Yellow}, {1, colour_code::Violet}, {3, colour_code::Red}, {4, colour_code::Gold}};
        QStringList shown[2];
        for (bool byKeys : {true, false}) {
            selectBands(4);
            for (auto [band, code] : choices) {
                const auto entries = colour_code::PaletteEntries(band);
                const auto entry = std::find_if(entries.begin(), entries.end(), [code](auto e) { return e.code == code; });
                if (!byKeys) {
                    choose(band, entry->lblColor);
                    continue;
                }
                QTest::keyClick(focused(), Qt::Key_Tab);
                QTest::keyClick(focused(), Qt::Key_Space);
                for (auto e = entries.begin(); e != entry; ++e)
                    QTest::keyClick(focused(), Qt::Key_Down);
                QTest::keyClick(focused(), Qt::Key_Return);
            }
            w()->Timer1_Timer();
            if (byKeys) {
                QTest::keyClick(focused(), Qt::Key_Tab);
                QTest::keyClick(focused(), Qt::Key_Space);
            } else {
                QTest::mouseClick(w()->Command1, Qt::LeftButton);
            }
            shown[byKeys] << w()->lblInfoMonitor->text() << w()->marking.ResultLine << w()->txtNominal->text();
            for (int i = 0; i < 5; ++i)
                shown[byKeys] << w()->lblPoloska[i]->text() << QString::number(w()->marking.BandCodes[i]);
        }
        QCOMPARE(shown[1], shown[0]);
    }

    // A band with a colour opens on it; Escape or Tab closes the palette and changes nothing.
    // Escape closes one opened by a click too, which leaves the focus outside the palette.
    void paletteClosedByKeysChoosesNothing()
    {
        selectBands(5);
        choose(3, kWhiteMultiplier);
        QTest::mouseClick(w()->lblPoloska[0], Qt::LeftButton);
        QTest::keyClick(focused(), Qt::Key_Escape);
        QVERIFY(!w()->picPallete[0]->isVisible());
        QTest::mouseClick(w()->lblPoloska[0], Qt::LeftButton);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab}) {
            w()->lblPoloska[3]->setFocus();
            QTest::keyClick(focused(), Qt::Key_Enter);
            QVERIFY(!w()->picPallete[0]->isVisible()); // a key opens its palette alone
            QCOMPARE(focused(), w()->lblColor[kWhiteMultiplier]);
            QTest::keyClick(focused(), Qt::Key_Up);
            QTest::keyClick(focused(), key);
            QCOMPARE(focused(), key == Qt::Key_Tab ? w()->lblPoloska[4] : w()->lblPoloska[3]);
            QCOMPARE(w()->lblPoloska[3]->text(), w()->lblColor[kWhiteMultiplier]->text());
        }
    }

    // Space opens the palette on its first entry; Down walks to the last one (white) and stops,
    // Up walks back and stops at the first. The focus and the frame go together.
    void arrowsInAPalette()
    {
        QApplication::setActiveWindow(w());
        QVERIFY(QTest::qWaitForWindowActive(w()));
        const auto entries = colour_code::PaletteEntries(0);
        const int last = int(entries.size()) - 1;
        const auto expectAt = [&](int place) {
            const int entry = entries[std::size_t(place)].lblColor;
            QCOMPARE(focused(), w()->lblColor[entry]);
            for (int i = 0; i < colour_code::kLblColorCount; ++i)
                QCOMPARE(w()->lblColor[i]->frameStyle() != QFrame::NoFrame, i == entry);
        };
        w()->lblPoloska[0]->setFocus();
        QTest::keyClick(focused(), Qt::Key_Space);
        expectAt(0);
        for (int place = 1; place <= last + 1; ++place) {
            QTest::keyClick(focused(), Qt::Key_Down);
            expectAt(qMin(place, last));
        }
        for (int place = last - 1; place >= -1; --place) {
            QTest::keyClick(focused(), Qt::Key_Up);
            expectAt(qMax(place, 0));
        }
    }

    // A held key clicks once: the palette it opened stays open with nothing chosen. The
    // two-colour ring shows on the entry that has the focus, not on the band label.
    void heldKeyClicksOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void heldKeyClicksOnce()
    {
        QFETCH(int, key);
        QApplication::setActiveWindow(w());
        QVERIFY(QTest::qWaitForWindowActive(w()));
        w()->lblPoloska[0]->setFocus();
        for (bool repeated : {false, true}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeated);
            QApplication::sendEvent(focused(), &press);
        }
        QVERIFY(w()->picPallete[0]->isVisible());
        QCOMPARE(w()->lblPoloska[0]->text(), w()->texts.NotChosenText);
        const auto inner = [](QWidget *label) { return label->grab().toImage().pixelColor(2, 2); };
        QCOMPARE(inner(focused()), focused()->palette().color(QPalette::WindowText));
        QCOMPARE(inner(w()->lblPoloska[0]), w()->lblPoloska[0]->palette().color(QPalette::Window));
    }

    void namesForAssistiveTechnology()
    {
        choose(0, 46); // red
        QCOMPARE(nameOf(w()->lblPoloska[0]), QStringLiteral("Первая полоса: Красный"));
        QCOMPARE(nameOf(w()->lblColor[46]), QStringLiteral("Красный"));
        // Entries take the focus from their palette's keys, not from Tab.
        QVERIFY(QAccessible::queryAccessibleInterface(w()->lblColor[46])->state().focusable);
        // With three bands the multiplier stands at the third place, under the third title.
        selectBands(3);
        QCOMPARE(nameOf(w()->lblPoloska[3]), QStringLiteral("Третья полоса: ") + w()->texts.NotChosenText);
    }
};

QTEST_MAIN(BandKeysTest)
#include "band_keys_test.moc"
