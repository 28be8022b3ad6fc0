// The reading help in the main window: after the decodings and the encoding, the neighbour
// choices, the resets that empty it, another language, and a skin without its place.

#include "marking_files/mark_code.h"
#include "support/form_fixture.h"
#include "ui/placement.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace colour_code;
using main_window::Form1;
using testing_support::FormFixture;
using Codes = QList<int>;

namespace
{

// Gives the bands their colours, in band order, with as many bands as colours.
void chooseBands(Form1 *w, const Codes &codes)
{
    w->cmbPolosok->setCurrentIndex(int(codes.size()) - 3);
    w->cmbPolosok_Click();
    for (int place = 0; place < codes.size(); ++place)
        w->SetBand(BandPositionsUsed(int(codes.size()))[place], quint8(codes[place]));
}

// 5 kOhm, four bands, 5 %.
void encodeFiveKiloohms(Form1 *w)
{
    w->txtNominal->setText(QStringLiteral("5"));
    w->cmbEdinIzmereniya->setCurrentIndex(1); // the tolerance is 5 % from the start
    w->Command2_Click();
}

QString hint(const Form1 *w)
{
    return w->lblHint->accessibleName();
}

} // namespace

class ReadingHelpWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // After the decode button, the start-up and Open; then again in English, as after a change
    // of language.
    void decodedMarking_data()
    {
        QTest::addColumn<int>("how"); // 0 the decode button, 1 restored at the start, 2 opened
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        const Codes orangeBrown = {Orange, Brown, Red, Gold};
        const QString other = "Подсказка: Значение ряда E96\nС другого конца читается 120 Ом 1%";
        const QString alike = "Подсказка: Не значение ряда E24: проверьте цвета\nВторая полоса "
                              "«Чёрный», а не «Коричневый»: 3 кОм 5%";
        const QString alikeEn = "Second band Black, not Brown: 3 kOhm 5%";
        QTest::newRow("other end")
            << 0 << Codes{Brown, Black, Black, Red, Brown} << other << "it is 120 Ohm 1%";
        QTest::newRow("look-alike") << 0 << orangeBrown << alike << alikeEn;
        QTest::newRow("start-up") << 1 << orangeBrown << alike << alikeEn;
        QTest::newRow("Open") << 2 << orangeBrown << alike << alikeEn;
        // Six bands: the value of the first five, its SMD codes below, the far end unread.
        QTest::newRow("six bands")
            << 1 << Codes{Brown, Black, Black, Red, Brown, Red}
            << "Подсказка: Значение ряда E96\nSMD: 103, 1002, EIA-96 01C"
            << "E96 value\nSMD: 103, 1002, EIA-96 01C";
    }

    void decodedMarking()
    {
        QFETCH(int, how);
        QFETCH(Codes, codes);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        FormFixture f;
        QVERIFY(f.load());
        chooseBands(f.form.get(), codes);
        // As settings and file names keep it.
        const QString code = marking_files::markCode({int(codes.size()), f.form->marking.BandCodes});
        if (how == 0) {
            f.form->Command1_Click();
        } else if (how == 1) {
            f.close();
            QStringList lines = f.folder.readLines(QStringLiteral("\\Data\\Settings.dat"));
            lines[34] = code;
            f.folder.writeLines(QStringLiteral("\\Data\\Settings.dat"), lines);
            QVERIFY(f.load());
        } else {
            ui::setFileDialogHandler([&](QWidget *, const ui::FileDialogRequest &) {
                return std::optional(f.folder.path() + "/BNDX77" + code + ".bmp");
            });
            f.form->mnuOpen->trigger();
            ui::setFileDialogHandler({});
        }
        Form1 *w = f.form.get();
        QVERIFY2(hint(w).startsWith(russian), qPrintable(hint(w)));
        // The warning sign marks a value that is not preferred, and only such a value.
        QCOMPARE(w->lblHint->text().startsWith(QStringLiteral("<b>⚠")),
                 russian.contains(QStringLiteral("Не значение")));
        QVERIFY(!w->marking.ResultLine.contains(QStringLiteral("ряда")));
        const QString path = config::languageFilePath(QStringLiteral("English"));
        w->LoadLanguage(QStringLiteral("English"), config::readMainWindowTexts(path));
        w->ShowReadingHint();
        QVERIFY2(hint(w).contains(english), qPrintable(hint(w)));
    }

    void neighbourChoice()
    {
        FormFixture f;
        QVERIFY(f.load());
        Form1 *w = f.form.get();
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        encodeFiveKiloohms(w);
        QVERIFY(hint(w).endsWith(
            QStringLiteral("5 кОм 5%: не значение ряда E24. Ближайшие значения ряда:\n"
                           "SMD: 502, 5001")));
        QCOMPARE(w->lblHintBelow->text(), QStringLiteral("4.7 кОм 5%"));
        QCOMPARE(w->lblHintAbove->text(), QStringLiteral("5.1 кОм 5%"));
        QCOMPARE(w->lblHintBelow->accessibleDescription(),
                 QStringLiteral("5 кОм 5%: не значение ряда E24. Ближайшие значения ряда:"));
        // The line of SMD codes lies below the choices, within the hint.
        QTextDocument shown;
        shown.setDocumentMargin(0);
        shown.setDefaultFont(w->lblHint->font());
        shown.setHtml(w->lblHint->text());
        shown.setTextWidth(w->lblHint->width());
        const QRectF smdLine = shown.documentLayout()
                                   ->blockBoundingRect(shown.lastBlock())
                                   .translated(w->lblHint->pos());
        QVERIFY(smdLine.top() > w->lblHintBelow->geometry().bottom());
        QVERIFY(smdLine.bottom() <= w->lblHint->geometry().bottom() + 1);
        // Tab goes from the encode button to the lower value; Space chooses it.
        w->Command2->setFocus();
        QTest::keyClick(w->Command2, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w->marking.BandCodes, (BandCodeArray{Yellow, Violet, 0, Red, Gold}));
        QCOMPARE(QApplication::focusWidget(), w->Command2); // the choices are gone
        QVERIFY(hint(w).endsWith(QStringLiteral("4.7 кОм 5%: значение ряда E24\nSMD: 472, 4701")));
        // The next Tab reaches the higher value; a click chooses it.
        encodeFiveKiloohms(w);
        QTest::keyClick(w->Command2, Qt::Key_Tab);
        QTest::keyClick(w->lblHintBelow, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->lblHintAbove);
        QTest::mouseClick(w->lblHintAbove, Qt::LeftButton);
        QCOMPARE(w->marking.BandCodes, (BandCodeArray{Green, Brown, 0, Red, Gold}));
        QVERIFY(!w->lblHintBelow->isVisible() && !w->lblHintAbove->isVisible());
    }

    // Three readings to offer and the codes: the hint grows so that its last line is seen.
    void longHintFits()
    {
        FormFixture f;
        QVERIFY(f.load());
        Form1 *w = f.form.get();
        chooseBands(w, {Brown, Violet, Black, Gold});
        w->Command1_Click();
        QVERIFY2(hint(w).endsWith(QStringLiteral("5%\nSMD: 170, 17R0")), qPrintable(hint(w)));
        QCOMPARE(hint(w).count(u'\n'), 4);
        QVERIFY(w->lblHint->height() >= w->lblHint->heightForWidth(w->lblHint->width()));
    }

    // A refused encode, New and a band-count change each empty the hint.
    void resetsEmptyIt()
    {
        FormFixture f;
        QVERIFY(f.load());
        Form1 *w = f.form.get();
        const std::function<void()> resets[] = {[w] {
                                                    w->cmbEdinIzmereniya->setCurrentIndex(
                                                        3); // no multiplier colour for 470 GOhm
                                                    w->txtNominal->setText(QStringLiteral("470"));
                                                    w->Command2_Click();
                                                },
                                                [w] { w->mnuNew->trigger(); },
                                                [w] {
                                                    w->cmbPolosok->setCurrentIndex(2);
                                                    w->cmbPolosok_Click();
                                                }};
        for (const std::function<void()> &reset : resets) {
            encodeFiveKiloohms(w);
            QVERIFY(w->lblHintAbove->isVisibleTo(w));
            reset();
            QCOMPARE(hint(w), QStringLiteral("Подсказка"));
            QVERIFY(w->lblHint->text().isEmpty() && !w->lblHintAbove->isVisibleTo(w));
        }
    }

    // A skin from before the reading help: the hint goes below the display, the window grows,
    // and a centred window is centred again at its new height.
    void oldSkinPlacesItBelowTheDisplay()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        const QString settingsFile = QStringLiteral("\\Data\\Settings.dat");
        QStringList settings = f.folder.readLines(settingsFile);
        settings[6] = QStringLiteral("По центру");
        f.folder.writeLines(settingsFile, settings);
        const QString skin = QStringLiteral("\\Skin\\Default.she");
        const QStringList lines = f.folder.readLines(skin);
        // Without the reading help's lines and the six bands' after them.
        f.folder.writeLines(skin, lines.mid(0, lines.size() - 16 - 42));
        QVERIFY(f.load());
        const Form1 *w = f.form.get();
        QCOMPARE(w->lblHint->x(), w->picMonitor->x());
        QVERIFY(w->lblHint->y() > w->picMonitor->geometry().bottom());
        QVERIFY(w->height() >= w->lblHint->geometry().bottom() + w->menuBar()->sizeHint().height());
        QCOMPARE(w->pos(), ui::centredPosition(w));
    }
};

QTEST_MAIN(ReadingHelpWindowTest)
#include "reading_help_window_test.moc"
