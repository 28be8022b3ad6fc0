#include "splash_about/splash_animation.h"

#include <QTest>

using splash_about::AnimationStroke;
using splash_about::AnimationTick;
using splash_about::animationTick;

Q_DECLARE_METATYPE(QList<AnimationStroke>)

namespace
{

AnimationStroke line(int x1, int y1, int x2, int y2)
{
    return {AnimationStroke::Kind::Line, {x1, y1}, {x2, y2}};
}

AnimationStroke picture(int x, int y)
{
    return {AnimationStroke::Kind::Picture, {x, y}, {}};
}

// Every tick from the load until the timer stops (at most 100, in case it never does).
QList<AnimationTick> wholeAnimation()
{
    QList<AnimationTick> ticks;
    qint16 animX = splash_about::kAnimStart;
    while (ticks.size() < 100) {
        ticks.append(animationTick(animX));
        animX = ticks.last().AnimX;
        if (ticks.last().finished)
            break;
    }
    return ticks;
}

} // namespace

class SplashAnimationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thirteenTicksFromTheLoad()
    {
        const QList<AnimationTick> ticks = wholeAnimation();
        QCOMPARE(ticks.size(), 13);
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(ticks[k].AnimX, 2800 + 300 * (k + 1));
            QVERIFY(!ticks[k].finished);
        }
        QCOMPARE(ticks[12].AnimX, 6400);
    }

    void tick_data()
    {
        QTest::addColumn<int>("animX");
        QTest::addColumn<int>("nextAnimX");
        QTest::addColumn<QList<AnimationStroke>>("strokes");
        QTest::addColumn<bool>("finished");

        QTest::newRow("first step, from the load")
            << 2800 << 3100
            << QList<AnimationStroke>{line(3095, 1500, 3095, 2270), picture(3100, 1480),
                                      line(3095, 1500, 3400, 1500), line(3095, 2270, 3400, 2270)}
            << false;
        QTest::newRow("twelfth step, the last that grows")
            << 6100 << 6400
            << QList<AnimationStroke>{line(6395, 1500, 6395, 2270), picture(6400, 1480),
                                      line(6395, 1500, 6700, 1500), line(6395, 2270, 6700, 2270)}
            << false;
        QTest::newRow("edge one short of the limit still grows")
            << 6299 << 6599
            << QList<AnimationStroke>{line(6594, 1500, 6594, 2270), picture(6599, 1480),
                                      line(6594, 1500, 6899, 1500), line(6594, 2270, 6899, 2270)}
            << false;
        QTest::newRow("edge at the limit closes the outline")
            << 6300 << 6300 << QList<AnimationStroke>{line(6600, 1500, 6600, 2270)} << true;
        QTest::newRow("thirteenth tick closes at 6700")
            << 6400 << 6400 << QList<AnimationStroke>{line(6700, 1500, 6700, 2270)} << true;
    }

    void tick()
    {
        QFETCH(int, animX);
        const AnimationTick t = animationTick(qint16(animX));
        QTEST(int(t.AnimX), "nextAnimX");
        QTEST(t.strokes, "strokes");
        QTEST(t.finished, "finished");
    }

    // The lines of all ticks together close one rectangle from x 3095 to 6700: the upper and
    // lower edges leave no gap between the steps, and the closing line meets their ends.
    void outlineIsClosed()
    {
        int upperReach = 3095, lowerReach = 3095, closingX = -1, pictures = 0;
        for (const AnimationTick &t : wholeAnimation()) {
            for (const AnimationStroke &s : t.strokes) {
                if (s.kind == AnimationStroke::Kind::Picture) {
                    ++pictures;
                    continue;
                }
                if (s.from.x() == s.to.x()) { // vertical
                    QCOMPARE(s.from.y(), 1500);
                    QCOMPARE(s.to.y(), 2270);
                    if (t.finished)
                        closingX = s.from.x();
                    continue;
                }
                int &reach = s.from.y() == 1500 ? upperReach : lowerReach;
                QVERIFY2(s.from.x() <= reach, "a gap in the outline");
                reach = std::max(reach, s.to.x());
            }
        }
        QCOMPARE(pictures, 12);
        QCOMPARE(upperReach, 6700);
        QCOMPARE(lowerReach, 6700);
        QCOMPARE(closingX, 6700);
    }
};

QTEST_GUILESS_MAIN(SplashAnimationTest)
#include "splash_animation_test.moc"
