// The about window on a temporary program folder: its look, its text and the scrolling.

#include "common/failure.h"
#include "common/units.h"
#include "config/global_settings.h"
#include "config/language_file.h"
#include "splash_about/about_text.h"
#include "splash_about/about_window.h"
#include "support/failures.h"
#include "support/test_folder.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using splash_about::frmAbout;
using testing_support::TestFolder;

namespace
{

const QColor kBackground(0x23, 0x27, 0x2E);
const QColor kText(0xE8, 0xEE, 0xF6);

config::GlobalSettings settingsFor(const QString &lang)
{
    config::GlobalSettings s;
    s.Lang = lang;
    s.picMark = QStringLiteral("\\Data\\MarkTitle.bmp");
    s.ButtonColor = 0x00336699; // red 0x99, green 0x66, blue 0x33
    s.GeneralFont = QStringLiteral("DejaVu Serif");
    return s;
}

// A language file of the folder with its about block replaced.
void writeAbout(const TestFolder &folder, const QString &lang, const QString &count,
                const QStringList &about)
{
    const QString file = QStringLiteral("\\Languages\\%1.lng").arg(lang);
    QStringList lines = folder.readLines(file).mid(0, 102);
    folder.writeLines(file, lines << count << about);
}

} // namespace

class AboutWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadTakesTheMainWindowsLook()
    {
        TestFolder folder;
        const config::GlobalSettings settings = settingsFor(QStringLiteral("Русский"));
        frmAbout about(settings, kBackground, kText);
        QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
        // The README's picture shows this window and nothing around it.
        QCOMPARE(QImage(testing_support::sourceFolder() + "/docs/about.png").size(), about.size());
        QCOMPARE(about.Command1->text(), QStringLiteral("&Ok"));
        QVERIFY(!about.Timer1->isActive());
        about.Form_Load();

        QCOMPARE(about.palette().color(QPalette::Window), kBackground);
        QCOMPARE(about.Picture1->palette().color(QPalette::Window), kBackground);
        QCOMPARE(about.Command1->palette().color(QPalette::Button), QColor(0x99, 0x66, 0x33));
        QCOMPARE(about.Command1->palette().color(QPalette::ButtonText), QColor(0xF0, 0xF0, 0xF0));
        QCOMPARE(about.Label1->textFormat(), Qt::PlainText);
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText), kText);
        QVERIFY(about.Label1->font().bold());
        QCOMPARE(about.Label1->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(about.Image1->pixmap().size(),
                 QImage(folder.file("\\Data\\MarkTitle.bmp")).size());

        const QString path = config::languageFilePath(settings.Lang);
        QCOMPARE(about.Label1->text(),
                 splash_about::aboutCaption(splash_about::readAboutLines(path)));
        QVERIFY(about.Label1->text().startsWith(QStringLiteral("Bandolin\n")));

        // The viewport and the text's start just above its lower edge.
        QCOMPARE(about.Picture1->size(), QSize(313, 169));
        QCOMPARE(about.textTop(), 2400);
        QCOMPARE(about.Label1->y(), 160);
        QVERIFY(about.Label1->height() > about.Picture1->height()); // the delivered text is long
        QCOMPARE(about.Timer1->interval(), 100);
        QVERIFY(about.Timer1->isActive());
    }

    // The text moves up 20 twips a tick; once it has passed the top completely it comes in
    // again from below.
    void textRestartsFromBelowAfterPassing()
    {
        TestFolder folder;
        const config::GlobalSettings settings = settingsFor(QStringLiteral("English"));
        frmAbout about(settings, kBackground, kText);
        about.Form_Load();
        about.Timer1->stop();
        const int height = about.textHeight();
        QCOMPARE(height, int(common::pixelsToTwips(about.Label1->height())));

        int top = about.textTop();
        int ticks = 0;
        bool sawRestart = false;
        while (ticks < 5000 && !sawRestart) {
            about.Timer1_Timer();
            ++ticks;
            const int now = about.textTop();
            if (now > top) {
                QVERIFY2(top + height < 0, "came back before it had passed");
                QCOMPARE(now, 2480);
                sawRestart = true;
            } else {
                QCOMPARE(now, top - 20);
            }
            QCOMPARE(about.Label1->y(), common::twipsToPixels(now));
            top = now;
        }
        QVERIFY(sawRestart);
        // From 2400 down to the first top below -height, one step at a time.
        QCOMPARE(ticks, (2400 + height) / 20 + 2);
        // It comes in at the viewport's lower edge.
        QVERIFY(about.Label1->y() > about.Picture1->height() * 9 / 10);
    }

    void timerScrolls()
    {
        TestFolder folder;
        const config::GlobalSettings settings = settingsFor(QStringLiteral("English"));
        frmAbout about(settings, kBackground, kText);
        about.Form_Load();
        QTRY_VERIFY_WITH_TIMEOUT(about.textTop() <= 2400 - 3 * 20, 2000);
    }

    void okStopsAndCloses()
    {
        TestFolder folder;
        const config::GlobalSettings settings = settingsFor(QStringLiteral("English"));
        frmAbout about(settings, kBackground, kText);
        about.Form_Load();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.Command1, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(!about.Timer1->isActive());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void countBeyondTheFileShowsWhatThereIs()
    {
        TestFolder folder;
        writeAbout(folder, QStringLiteral("English"), QStringLiteral("40"),
                   {QStringLiteral("first"), QStringLiteral("second"), QString()});
        const config::GlobalSettings settings = settingsFor(QStringLiteral("English"));
        frmAbout about(settings, kBackground, kText);
        about.Form_Load();
        QCOMPARE(about.Label1->text(), QStringLiteral("first\nsecond\n\n"));
        QVERIFY(about.Timer1->isActive());
    }

    void emptyTextStillScrolls()
    {
        TestFolder folder;
        writeAbout(folder, QStringLiteral("English"), QStringLiteral("none"),
                   {QStringLiteral("help caption")});
        const config::GlobalSettings settings = settingsFor(QStringLiteral("English"));
        frmAbout about(settings, kBackground, kText);
        about.Form_Load();
        QCOMPARE(about.Label1->text(), QString());
        QCOMPARE(about.textHeight(), 0);
        for (int i = 0; i < 121; ++i) // 2400 twips and one more step
            about.Timer1_Timer();
        QCOMPARE(about.textTop(), -20);
        about.Timer1_Timer();
        QCOMPARE(about.textTop(), 2480);
    }

    void unreadableLanguageFileFails_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("keepLines"); // 0: remove the file
        QTest::newRow("missing file") << "English" << 0;
        QTest::newRow("ends before the count") << "English" << 102;
    }

    void unreadableLanguageFileFails()
    {
        QFETCH(QString, lang);
        QFETCH(int, keepLines);
        TestFolder folder;
        const QString file = QStringLiteral("\\Languages\\%1.lng").arg(lang);
        if (keepLines)
            folder.writeLines(file, folder.readLines(file).mid(0, keepLines));
        else
            folder.remove(file);
        const config::GlobalSettings settings = settingsFor(lang);
        frmAbout about(settings, kBackground, kText);
        const QString failure = testing_support::failureOf([&] { about.Form_Load(); });
        QVERIFY2(failure.contains(QStringLiteral("English.lng")), qPrintable(failure));
        QVERIFY(!about.Timer1->isActive());
    }

    void missingTitlePictureLeavesTheHeaderEmpty_data()
    {
        QTest::addColumn<QString>("picMark");
        QTest::newRow("file missing") << "\\Data\\NoSuchTitle.bmp";
        QTest::newRow("no picture") << "Nothing";
    }

    void missingTitlePictureLeavesTheHeaderEmpty()
    {
        QFETCH(QString, picMark);
        TestFolder folder;
        config::GlobalSettings settings = settingsFor(QStringLiteral("English"));
        settings.picMark = picMark;
        frmAbout about(settings, kBackground, kText);
        about.Form_Load();
        QVERIFY(about.Image1->pixmap().isNull());
        QVERIFY(!about.Label1->text().isEmpty());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
