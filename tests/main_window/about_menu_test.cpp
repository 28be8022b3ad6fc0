// The help menu's about item: the modal about window in the main window's look and language.

#include "splash_about/about_window.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using splash_about::frmAbout;
using testing_support::FormFixture;

namespace
{

struct Seen {
    bool opened = false;
    bool modal = false;
    QString text;
    QColor background, textColour;
};

// Triggers the item; while the window is open, notes what it shows and presses OK.
Seen openAbout(FormFixture &f)
{
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!about)
            return;
        seen.opened = true;
        seen.modal = about->isModal() && about->isVisible();
        seen.text = about->Label1->text();
        seen.background = about->palette().color(QPalette::Window);
        seen.textColour = about->Label1->palette().color(QPalette::WindowText);
        QTest::mouseClick(about->Command1, Qt::LeftButton);
    });
    f.form->mnuAbout->trigger();
    return seen;
}

} // namespace

class AboutMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensTheAboutWindowInTheMainWindowsLook()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->show();
        QVERIFY(f.form->mnuAbout->isEnabled());
        const Seen seen = openAbout(f);
        QVERIFY(seen.opened);
        QVERIFY(seen.modal);
        QVERIFY(seen.text.startsWith(QStringLiteral("Bandolin\nЦветовая маркировка резисторов\n")));
        QCOMPARE(seen.background, f.form->SkinColours.windowBackground);
        QCOMPARE(seen.textColour, f.form->Label1->palette().color(QPalette::WindowText));
        QVERIFY(f.messages.empty());
        // OK closed it: nothing of it is left.
        QVERIFY(f.form->findChildren<frmAbout *>().isEmpty());
    }

    // Every opening reads the language file again.
    void followsTheLanguageOfTheMoment()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->show();
        f.form->settings.Lang = QStringLiteral("English");
        const Seen seen = openAbout(f);
        QVERIFY(seen.opened);
        QVERIFY(seen.text.startsWith(QStringLiteral("Bandolin\n")));
        QVERIFY(!seen.text.contains(QStringLiteral("маркировка")));
    }

    void unreadableLanguageFileIsReported()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.form->show();
        f.folder.remove(QStringLiteral("\\Languages\\Русский.lng"));
        const Seen seen = openAbout(f);
        QVERIFY(!seen.opened);
        QCOMPARE(f.messages.size(), size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("Русский.lng")));
        QCOMPARE(f.messages[0].icon, ui::MessageIcon::Error);
        QVERIFY(f.exitCodes.empty()); // the program goes on
        QVERIFY(f.form->findChildren<frmAbout *>().isEmpty());
    }
};

QTEST_MAIN(AboutMenuTest)
#include "about_menu_test.moc"
