// The splash window on a temporary program folder: how it ends, and what its animation draws.

#include "common/units.h"
#include "splash_about/splash_window.h"
#include "support/test_folder.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using splash_about::frmSplash;
using testing_support::TestFolder;

namespace
{

const QRgb kGrey = qRgb(192, 192, 192);

// A point of the window's bare surface: inside the animation's outline.
const QPoint kBarePoint(300, 125);

// The outline's columns and rows in pixels: vertical lines at the left of each step and the
// closing line, the upper and lower edges.
QList<int> stepLines() // x of the vertical line drawn by steps 1 to 12
{
    QList<int> xs;
    for (int k = 1; k <= 12; ++k)
        xs << common::twipsToPixels(2800 + 300 * k - 5);
    return xs;
}
constexpr int kTop = 100, kBottom = 151, kClosing = 447;

bool columnIsGrey(const QImage &shot, int x)
{
    for (int y = kTop; y <= kBottom; ++y)
        if (shot.pixel(x, y) != kGrey)
            return false;
    return true;
}

bool rowIsGrey(const QImage &shot, int y, int fromX, int toX)
{
    for (int x = fromX; x <= toX; ++x)
        if (shot.pixel(x, y) != kGrey)
            return false;
    return true;
}

// Whether the slice picture is shown at its place for step k (1 to 12), apart from its first
// column (the next step's line) and its second row (under the upper edge).
bool sliceShown(const QImage &shot, const QImage &slice, int k)
{
    const int left = common::twipsToPixels(2800 + 300 * k);
    const int top = common::twipsToPixels(1480);
    for (int y = 2; y < slice.height(); ++y)
        for (int x = 0; x < slice.width() - 1; ++x)
            if (shot.pixel(left + x, top + y) != slice.pixel(x, y))
                return false;
    return true;
}

QImage shotOf(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class SplashWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadStartsBothTimers()
    {
        TestFolder folder;
        frmSplash s;
        QVERIFY(!s.Timer1->isActive());
        QVERIFY(!s.Timer2->isActive());
        s.Form_Load();
        QCOMPARE(s.AnimX, 2800);
        QCOMPARE(s.Timer1->interval(), 5000);
        QCOMPARE(s.Timer2->interval(), 200);
        QVERIFY(s.Timer1->isActive());
        QVERIFY(s.Timer2->isActive());
        QVERIFY(!s.Image1->pixmap().isNull());
        QCOMPARE(s.Image2->pixmap().size(), QImage(folder.file("\\Data\\Intro.jpg")).size());
    }

    // The window goes up with its pictures; the texts, whose first use loads the font system,
    // follow right after its first frame.
    void textsFollowTheFirstFrame()
    {
        TestFolder folder;
        frmSplash s;
        s.Form_Load();
        QVERIFY(s.Label1->text().isEmpty());
        s.show();
        QVERIFY(!s.Label1->isVisible() && !s.Label2->isVisible()); // not drawn while empty
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTRY_COMPARE(s.Label1->text(), QStringLiteral("Цветовая маркировка резисторов"));
        QVERIFY(s.Label2->text().startsWith(QStringLiteral("Bandolin " BANDOLIN_VERSION " ")));
        QVERIFY(s.Label1->isVisible() && s.Label2->isVisible());
    }

    void releaseOnBareSurfaceEnds_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left button") << Qt::LeftButton;
        QTest::newRow("right button") << Qt::RightButton;
        QTest::newRow("middle button") << Qt::MiddleButton;
    }

    void releaseOnBareSurfaceEnds()
    {
        QFETCH(Qt::MouseButton, button);
        TestFolder folder;
        frmSplash s;
        s.Form_Load();
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QSignalSpy finished(&s, &frmSplash::finished);
        QVERIFY(!s.childAt(kBarePoint));
        QTest::mouseClick(&s, button, {}, kBarePoint);
        QCOMPARE(finished.count(), 1);
        QVERIFY(s.ended());
        QVERIFY(!s.isVisible());
        QVERIFY(!s.Timer1->isActive());
        QVERIFY(!s.Timer2->isActive()); // the animation is not completed
        QVERIFY(s.AnimX < 6400);
        // Nothing more comes of the stopped timers or of a second end.
        s.EndSplash();
        QTest::qWait(250);
        QCOMPARE(finished.count(), 1);
    }

    void escapeOrEnterEnds()
    {
        TestFolder folder;
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            frmSplash s;
            s.Form_Load();
            QSignalSpy finished(&s, &frmSplash::finished);
            QTest::keyClick(&s, key);
            QCOMPARE(finished.count(), 1);
        }
    }

    void releaseOverControlsDoesNotEnd()
    {
        TestFolder folder;
        folder.remove("\\Data\\Intro.jpg"); // an empty picture control is still a control
        frmSplash s;
        s.Form_Load();
        s.show();
        QTRY_VERIFY(s.Label2->isVisible()); // with its text, after the first frame
        QSignalSpy finished(&s, &frmSplash::finished);
        for (QLabel *control : {s.Label1, s.Label2, s.Image1, s.Image2}) {
            QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
            QTest::mouseClick(control, Qt::RightButton, {}, QPoint(1, 1));
            QVERIFY2(finished.isEmpty(), qPrintable(control->objectName()));
        }
        // A release that the window receives outside itself (the pointer was pressed inside
        // and dragged out) is not over its surface either.
        QTest::mousePress(&s, Qt::LeftButton, {}, kBarePoint);
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(-20, 40));
        QVERIFY(finished.isEmpty());
        QVERIFY(s.isVisible());
        QVERIFY(s.Timer1->isActive());
    }

    // The thirteen ticks of the animation as the window shows them.
    void animationDrawsTheOutline()
    {
        TestFolder folder;
        const QImage slice =
            QImage(folder.file("\\Data\\SMres.jpg")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!slice.isNull());
        frmSplash s;
        s.Form_Load();
        s.Timer2->stop(); // the test drives the ticks
        const QImage before = shotOf(s);
        QVERIFY(!columnIsGrey(before, stepLines()[0]));

        const QList<int> xs = stepLines();
        for (int k = 1; k <= 12; ++k) {
            s.Timer2_Timer();
            QCOMPARE(s.AnimX, 2800 + 300 * k);
            const QImage shot = shotOf(s);
            const int edge = common::twipsToPixels(2800 + 300 * k + 300);
            QVERIFY2(columnIsGrey(shot, xs[k - 1]), qPrintable(QString::number(k)));
            QVERIFY2(sliceShown(shot, slice, k), qPrintable(QString::number(k)));
            QVERIFY(rowIsGrey(shot, kTop, xs[0], edge));
            QVERIFY(rowIsGrey(shot, kBottom, xs[0], edge));
            // Nothing beyond the step yet, and no closing line.
            QVERIFY(shot.pixel(edge + 1, kTop) != kGrey);
            QVERIFY(!columnIsGrey(shot, kClosing));
        }
        QVERIFY(!columnIsGrey(shotOf(s), kClosing));

        s.Timer2->start();
        s.Timer2_Timer(); // the thirteenth tick closes the outline and stops the timer
        QCOMPARE(s.AnimX, 6400);
        QVERIFY(!s.Timer2->isActive());
        const QImage done = shotOf(s);
        QVERIFY(columnIsGrey(done, kClosing));
        for (int k = 1; k <= 12; ++k) {
            QVERIFY(columnIsGrey(done, xs[k - 1]));
            // Each slice stays, but for its last column where the next line lies.
            QVERIFY(sliceShown(done, slice, k));
        }
        QVERIFY(rowIsGrey(done, kTop, xs[0], kClosing));
        QVERIFY(rowIsGrey(done, kBottom, xs[0], kClosing));
        // The drawing stays within the outline.
        QVERIFY(done.pixel(kClosing + 1, kTop) != kGrey);
        QVERIFY(done.pixel(xs[0] - 1, kTop) != kGrey);
        QVERIFY(done.pixel(xs[0], kTop - 2) != kGrey);
        QVERIFY(done.pixel(xs[0], kBottom + 1) != kGrey);
    }

    void missingPicturesLeaveTheirPlacesEmpty()
    {
        TestFolder folder;
        for (const char *file : {"\\Data\\Intro.jpg", "\\Data\\SMres.jpg", "\\Data\\Splash.jpg"})
            folder.remove(QString::fromUtf8(file));
        frmSplash s;
        s.Form_Load();
        QVERIFY(s.Image1->pixmap().isNull());
        QVERIFY(s.Image2->pixmap().isNull());
        s.Timer2->stop();
        for (int tick = 0; tick < 13; ++tick)
            s.Timer2_Timer();
        const QImage shot = shotOf(s);
        QVERIFY(columnIsGrey(shot, kClosing));
        QVERIFY(rowIsGrey(shot, kTop, stepLines()[0], kClosing));
        // Where the first slice would be, the window's own colour.
        QCOMPARE(shot.pixel(215, 125), s.palette().color(QPalette::Window).rgb());
    }

    // The slice's first row lies above the outline and the header's last rows meet the bare
    // surface: both must be the window's own colour (JPEG leaves a little noise).
    void picturesBlendIntoTheWindow()
    {
        TestFolder folder;
        frmSplash s;
        const QColor window = s.palette().color(QPalette::Window);
        const auto near = [&](QRgb p) {
            return std::abs(qRed(p) - window.red()) <= 6 &&
                   std::abs(qGreen(p) - window.green()) <= 6 &&
                   std::abs(qBlue(p) - window.blue()) <= 6;
        };
        const QImage slice(folder.file("\\Data\\SMres.jpg"));
        for (int x = 0; x < slice.width(); ++x)
            QVERIFY2(near(slice.pixel(x, 0)), qPrintable(QString::number(x)));
        const QImage header(folder.file("\\Data\\Splash.jpg"));
        for (int x = 0; x < header.width(); x += 7)
            QVERIFY2(near(header.pixel(x, header.height() - 1)), qPrintable(QString::number(x)));
    }

    void endsByItselfAfterFiveSeconds()
    {
        TestFolder folder;
        frmSplash s;
        QElapsedTimer clock;
        clock.start();
        s.Form_Load();
        s.show();
        QSignalSpy finished(&s, &frmSplash::finished);
        QVERIFY(!finished.wait(4500));
        QVERIFY(s.isVisible());
        // The outline was completed long before (2.6 s).
        QCOMPARE(s.AnimX, 6400);
        QVERIFY(!s.Timer2->isActive());
        QVERIFY(finished.wait(3000));
        QVERIFY(clock.elapsed() >= 5000);
        QVERIFY(!s.isVisible());
    }

    void closedOtherwiseStillHandsOver()
    {
        TestFolder folder;
        frmSplash s;
        s.Form_Load();
        s.show();
        QSignalSpy finished(&s, &frmSplash::finished);
        s.close();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!s.Timer1->isActive());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
