#include "help/help_window.h"
#include "help/message_box.h"

#include "common/text_file.h"
#include "support/test_folder.h"

#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using help::Form1;
using testing_support::TestFolder;

namespace
{

QStringList settingsNaming(const QString &lang)
{
    QStringList lines;
    for (int line = 1; line <= 35; ++line)
        lines << (line == 5 ? lang : QStringLiteral("value %1").arg(line));
    return lines;
}

// The help block of a delivered language file, found by counting lines here rather than with
// the program's reader.
struct DeliveredBlock {
    QString caption;
    QStringList titles;
    QStringList firstLines;
    QList<bool> hasPicture;
};

DeliveredBlock deliveredBlock(const QString &path)
{
    const QStringList lines = common::readTextLines(path);
    DeliveredBlock block;
    int at = 103 + lines.at(102).toInt(); // 0-based index of the caption
    block.caption = lines.at(at++);
    const int topics = lines.at(at++).toInt();
    for (int t = 0; t < topics; ++t) {
        block.titles << lines.at(at++);
        const int count = lines.at(at++).toInt();
        const QStringList text = lines.mid(at, count);
        block.firstLines << text.value(0);
        block.hasPicture << text.join(QLatin1Char('\n')).contains(QStringLiteral("<>"));
        at += count;
    }
    return block;
}

int picturesIn(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                ++count;
    return count;
}

QTextImageFormat firstPicture(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                return it.fragment().charFormat().toImageFormat();
    return {};
}

void clickRow(Form1 &form, int row)
{
    QListWidgetItem *item = form.List1->item(row);
    form.List1->scrollToItem(item);
    QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {},
                      form.List1->visualItemRect(item).center());
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

    QList<help::Message> m_messages;

private Q_SLOTS:
    void init()
    {
        m_messages.clear();
        help::setMessageHandler(
            [this](QWidget *, const help::Message &message) { m_messages << message; });
    }

    void cleanup() { help::setMessageHandler({}); }

    void showsAChosenTopicWithItsPicture_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("Russian") << "Русский";
        QTest::newRow("English") << "English";
    }

    void showsAChosenTopicWithItsPicture()
    {
        QFETCH(QString, lang);
        TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming(lang));
        const DeliveredBlock delivered =
            deliveredBlock(folder.file("\\Languages\\" + lang + ".lng"));

        Form1 form;
        QVERIFY(form.Form_Load());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(form.windowTitle(), delivered.caption);
        QCOMPARE(form.Label1->text(), delivered.caption);
        QCOMPARE(form.HelpLang, lang);
        QStringList titles;
        for (int row = 0; row < form.List1->count(); ++row)
            titles << form.List1->item(row)->text();
        QCOMPARE(titles, delivered.titles);
        QVERIFY(!form.lblNote->isVisible());

        // Nothing is chosen at the start.
        QVERIFY(form.List1->selectedItems().isEmpty());
        QVERIFY(form.Text1->toPlainText().isEmpty());

        const int withPicture = int(delivered.hasPicture.indexOf(true));
        QVERIFY(withPicture >= 0);
        for (int shown = 0; shown < 2; ++shown) { // the second click shows the topic afresh
            clickRow(form, withPicture);
            const QString text = form.Text1->toPlainText();
            QVERIFY2(text.startsWith(delivered.firstLines.at(withPicture)), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("<>")), qPrintable(text));
            QCOMPARE(picturesIn(*form.Text1->document()), 1);
        }
        const QTextImageFormat picture = firstPicture(*form.Text1->document());
        const QImage image = form.Text1->document()
                                 ->resource(QTextDocument::ImageResource, QUrl(picture.name()))
                                 .value<QImage>();
        QVERIFY(!image.isNull());
        QVERIFY(picture.width() <= form.Text1->viewport()->width());
        QCOMPARE(form.Text1->textCursor().position(), 0);

        const int withoutPicture = int(delivered.hasPicture.indexOf(false));
        if (withoutPicture >= 0) {
            clickRow(form, withoutPicture);
            QVERIFY(form.Text1->toPlainText().startsWith(delivered.firstLines.at(withoutPicture)));
            QCOMPARE(picturesIn(*form.Text1->document()), 0);
        }
    }

    void theKeyboardBrowsesTheTopics()
    {
        TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("English"));
        const DeliveredBlock delivered = deliveredBlock(folder.file("\\Languages\\English.lng"));
        Form1 form;
        QVERIFY(form.Form_Load());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.List1->setFocus();
        form.List1->setCurrentRow(0);
        QVERIFY(form.Text1->toPlainText().startsWith(delivered.firstLines.at(0)));
        QTest::keyClick(form.List1, Qt::Key_Down);
        QVERIFY(form.Text1->toPlainText().startsWith(delivered.firstLines.at(1)));
    }

    void growsWithTheWindowAndFitsThePicture()
    {
        TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("Test"));
        QImage wide(1200, 300, QImage::Format_RGB32);
        wide.fill(Qt::darkGreen);
        QVERIFY(wide.save(folder.file("\\Data\\wide.png")));
        QStringList file;
        for (int line = 1; line <= 102; ++line)
            file << QString();
        file << "0"
             << "Manual"
             << "1"
             << "Wide"
             << "3"
             << "Above"
             << "<>\\Data\\wide.png<>"
             << "Below";
        folder.writeLines("\\Languages\\Test.lng", file);

        Form1 form;
        QVERIFY(form.Form_Load());
        form.resize(700, 480);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clickRow(form, 0);
        QCOMPARE(picturesIn(*form.Text1->document()), 1);
        const qreal narrow = firstPicture(*form.Text1->document()).width();
        QVERIFY2(narrow < form.Text1->viewport()->width(), qPrintable(QString::number(narrow)));

        const QSize listBefore = form.List1->size(), paneBefore = form.Text1->size();
        form.resize(1100, 760);
        QTRY_VERIFY(form.Text1->width() > paneBefore.width());
        QVERIFY(form.Text1->height() > paneBefore.height());
        QVERIFY(form.List1->height() > listBefore.height());
        QTRY_VERIFY(firstPicture(*form.Text1->document()).width() > narrow);
        QVERIFY(firstPicture(*form.Text1->document()).width() < form.Text1->viewport()->width());
    }

    void showsEveryTopicOfALongManual()
    {
        TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("Long"));
        QStringList file;
        for (int line = 1; line <= 103; ++line)
            file << (line == 103 ? QStringLiteral("0") : QString());
        file << "Manual"
             << "20";
        for (int t = 1; t <= 20; ++t)
            file << QStringLiteral("Topic %1").arg(t) << "1" << QStringLiteral("Text %1").arg(t);
        folder.writeLines("\\Languages\\Long.lng", file);

        Form1 form;
        QVERIFY(form.Form_Load());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.List1->count(), 20);
        clickRow(form, 19);
        QCOMPARE(form.Text1->toPlainText(), QStringLiteral("Text 20\n"));
    }

    void showsWhatWasReadOfABrokenManual()
    {
        TestFolder folder;
        folder.writeLines("\\Data\\Settings.dat", settingsNaming("Short"));
        QStringList file;
        for (int line = 1; line <= 103; ++line)
            file << (line == 103 ? QStringLiteral("0") : QString());
        file << "Manual"
             << "3"
             << "First"
             << "1"
             << "One"
             << "Second"
             << "5"
             << "Two";
        folder.writeLines("\\Languages\\Short.lng", file);

        Form1 form;
        QVERIFY(form.Form_Load());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(form.List1->count(), 2);
        QVERIFY(form.lblNote->isVisible());
        QVERIFY2(form.lblNote->text().contains(QStringLiteral("Short.lng")),
                 qPrintable(form.lblNote->text()));
        QVERIFY2(form.lblNote->text().contains(QStringLiteral("112")),
                 qPrintable(form.lblNote->text()));
        clickRow(form, 1);
        QCOMPARE(form.Text1->toPlainText(), QStringLiteral("Two\n"));
    }

    void endsWithAMessageWhenAFileIsMissing_data()
    {
        QTest::addColumn<QString>("lang"); // empty: no settings file
        QTest::addColumn<QString>("missing");
        QTest::newRow("no settings file") << ""
                                          << "\\Data\\Settings.dat";
        QTest::newRow("no language file") << "Deutsch"
                                          << "\\Languages\\Deutsch.lng";
    }

    void endsWithAMessageWhenAFileIsMissing()
    {
        QFETCH(QString, lang);
        QFETCH(QString, missing);
        TestFolder folder;
        if (!lang.isEmpty())
            folder.writeLines("\\Data\\Settings.dat", settingsNaming(lang));
        Form1 form;
        QVERIFY(!form.Form_Load());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.front().text.contains(folder.file(missing)),
                 qPrintable(m_messages.front().text));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
