// A program folder that cannot be written: the main window keeps the settings, the lock and
// the marking files in the user's folder.

#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/settings_file.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QFile>
#include <QTest>

class UserFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndSavesInTheUsersFolder()
    {
        testing_support::FormFixture f;
        const QString user = f.folder.makeReadOnly();
        QVERIFY(f.load());
        QVERIFY(QFile::exists(common::lockFilePath()));
        QString openedIn;
        ui::setFileDialogHandler([&](QWidget *, const ui::FileDialogRequest &request) {
            openedIn = request.folder;
            return std::optional<QString>();
        });
        f.form->mnuOpen->trigger();
        ui::setFileDialogHandler({});
        QCOMPARE(openedIn, user);
        f.close();
        QCOMPARE(common::readTextLines(user + QStringLiteral("/Data/Settings.dat")).size(),
                 config::kSettingsLineCount);
        QVERIFY(!QFile::exists(f.folder.file("\\Data\\Settings.dat")));
    }

    // A settings file left in a portable program folder by whoever set it up starts each user's
    // own; one left in an installation (by root's first run, say) does not.
    void firstStartOfANewUser()
    {
        testing_support::FormFixture f;
        QVERIFY(f.load());
        f.close();
        QStringList delivered = f.folder.readLines("\\Data\\Settings.dat");
        delivered[2] = QStringLiteral("Dark.she");
        f.folder.writeLines("\\Data\\Settings.dat", delivered);
        const QString user = f.folder.makeReadOnly();
        QVERIFY(f.load());
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Dark.she"));
        QCOMPARE(common::readTextLines(user + QStringLiteral("/Data/Settings.dat")), delivered);
        f.close();
        f.folder.writeLines(common::kInstalledMark.toString(), {});
        QVERIFY(QFile::remove(user + QStringLiteral("/Data/Settings.dat")));
        QVERIFY(f.load());
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Default.she"));
    }
};

QTEST_MAIN(UserFolderTest)
#include "user_folder_test.moc"
