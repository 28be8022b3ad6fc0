#pragma once

// What the tests of the main window's colour-code screen share: the places and entries of the
// delivered skin, and the window on its own program folder, driven through its real controls.

#include "main_window/band_widgets.h"
#include "main_window/resistor_display.h"
#include "support/form_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace band_screen {

// Drawing places of the delivered skin in display pixels: body at (15, 60), bands on it.
inline constexpr QPoint kPlace[5] = {{83, 74}, {127, 84}, {149, 84}, {171, 84}, {205, 84}};
inline constexpr QPoint kBody(15, 60);

// lblColor entries of some colours, per palette.
inline constexpr int kBrownFirst = 47, kYellowFirst = 42;
inline constexpr int kBlackSecond = 32, kVioletSecond = 39;
inline constexpr int kBlackThird = 48, kGreenThird = 28;
inline constexpr int kBrownMultiplier = 13;
inline constexpr int kBrownTolerance = 2;
inline constexpr int kRedMultiplier = 12, kWhiteMultiplier = 19;
inline constexpr int kGoldTolerance = 1, kGreyTolerance = 7;

inline constexpr const char *kColourFile[12] = {"Silver", "Gold",  "Black", "Brown",  "Red",  "Orange",
                                               "Yellow", "Green", "Blue",  "Violet", "Grey", "White"};

inline QString nameOf(QWidget *c) { return QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name); }
inline QWidget *focused() { return QApplication::focusWidget(); }

inline QString bandPicture(bool first, int code)
{
    return QStringLiteral("\\Data\\%1%2.bmp").arg(first ? "B1" : "S1", kColourFile[code]);
}

class Screen
{
protected:
    std::unique_ptr<testing_support::FormFixture> f;
    main_window::Form1 *w() { return f->form.get(); }

    void selectBands(int count)
    {
        w()->cmbPolosok->setCurrentIndex(count - 3);
        Q_EMIT w()->cmbPolosok->activated(count - 3);
    }
    void choose(int band, int lblColor)
    {
        QTest::mouseClick(w()->lblPoloska[band], Qt::LeftButton);
        QVERIFY(w()->picPallete[band]->isVisible());
        QTest::mouseClick(w()->lblColor[lblColor], Qt::LeftButton);
        QVERIFY(!w()->picPallete[band]->isVisible());
    }
    void selectText(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
    }
    // The window loaded and shown, as every test starts it.
    void start()
    {
        f = std::make_unique<testing_support::FormFixture>();
        QVERIFY(f->load());
        w()->show();
        QVERIFY(QTest::qWaitForWindowExposed(w()));
    }
};

} // namespace band_screen
