// A program folder that cannot be written: the main window keeps the settings, the lock and
// the marking files in the user's folder and reads the user's own files first.

#include "common/text_file.h"
#include "config/settings_file.h"
#include "config/skin_file.h"
#include "support/form_fixture.h"
#include "ui/seams.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

using testing_support::FormFixture;

class UserFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndSavesInTheUsersFolder()
    {
        FormFixture f;
        const QString user = f.folder.makeReadOnly();
        QVERIFY(f.load());
        QVERIFY(f.messages.empty());
        QCOMPARE(config::settingsFilePath(), user + QStringLiteral("/Data/Settings.dat"));
        QVERIFY(QFile::exists(user + QStringLiteral("/Bandolin.lock")));

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
        QVERIFY(!QFile::exists(f.folder.file("\\Bandolin.lock")));
    }

    // Whoever set up the program folder may leave a settings file there: a user's first start
    // begins from it instead of the built-in defaults.
    void firstStartCopiesTheProgramFoldersSettings()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        QStringList delivered = f.folder.readLines("\\Data\\Settings.dat");
        delivered[2] = QStringLiteral("Dark.she");
        f.folder.writeLines("\\Data\\Settings.dat", delivered);

        const QString user = f.folder.makeReadOnly();
        QVERIFY(f.load());
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Dark.she"));
        QCOMPARE(common::readTextLines(user + QStringLiteral("/Data/Settings.dat")), delivered);
    }

    void usersOwnSkinIsFoundFirst()
    {
        FormFixture f;
        const QString user = f.folder.makeReadOnly();
        QVERIFY(QDir().mkpath(user + QStringLiteral("/Skin")));
        QVERIFY(QFile::copy(f.folder.file("\\Skin\\Dark.she"), user + QStringLiteral("/Skin/Default.she")));
        const quint32 dark =
            config::readSkinFile(f.folder.file("\\Skin\\Dark.she")).main.MenuBarColour;
        QVERIFY(dark != config::readSkinFile(f.folder.file("\\Skin\\Default.she")).main.MenuBarColour);

        QVERIFY(f.load());
        QCOMPARE(f.form->settings.SkinName, QStringLiteral("Default.she"));
        QCOMPARE(f.form->skin.MenuBarColour, dark);
    }
};

QTEST_MAIN(UserFolderTest)
#include "user_folder_test.moc"
