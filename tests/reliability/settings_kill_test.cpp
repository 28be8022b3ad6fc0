// Kills a process that keeps saving the settings file at many moments and checks that every
// time the file left behind is one whole version: never a mix, a short file or an empty one.

#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/settings_file.h"
#include "settings_versions.h"
#include "support/test_folder.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>

class SettingsKillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aKilledSaveLeavesAWholeFile()
    {
        testing_support::TestFolder folder;
        const QString settings = config::settingsFilePath();
        QRandomGenerator random(20261207);
        const int kills = 150;
        int mixed = 0;
        for (int i = 0; i < kills; ++i) {
            QProcess writer;
            writer.start(QStringLiteral(BANDOLIN_SETTINGS_WRITER), {folder.path()});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(10000)); // the first version is complete
            // Anywhere from at once to a few milliseconds into the saving.
            QThread::usleep(random.bounded(3000));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const QStringList lines = common::readTextLines(settings);
            QCOMPARE(lines.size(), 35);
            const int k = lines.at(7).toInt();
            QVERIFY2(k >= 1, qPrintable(lines.at(7)));
            if (lines != reliability::settingsVersion(k))
                ++mixed;
            config::readSettingsFile(settings); // and the program's reader takes it
        }
        QCOMPARE(mixed, 0);
        // Files the killed saves were writing stay beside it under names of their own.
        const QStringList left =
            QDir(common::programPath(u"\\Data"))
                .entryList({QStringLiteral("Settings.dat*")}, QDir::Files | QDir::Hidden);
        qInfo("%d kill points; %lld unfinished save files left beside the settings", kills,
              qlonglong(left.size() - 1));
    }
};

QTEST_GUILESS_MAIN(SettingsKillTest)
#include "settings_kill_test.moc"
