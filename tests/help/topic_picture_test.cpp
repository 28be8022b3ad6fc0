#include "help/topic_picture.h"

#include "common/program_folder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace
{

const QChar kObject(QChar::ObjectReplacementCharacter);

struct Picture {
    QString name;
    QSize size;
    int position;
    Qt::Alignment alignment;
};

std::vector<Picture> picturesIn(const QTextDocument &document)
{
    std::vector<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            const QTextImageFormat format = fragment.charFormat().toImageFormat();
            pictures.push_back({format.name(), QSize(int(format.width()), int(format.height())),
                                fragment.position(), block.blockFormat().alignment()});
        }
    return pictures;
}

} // namespace

class TopicPictureTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    QString pictureFile(const char *name) const
    {
        return m_folder.path() + QStringLiteral("/Pics/") + QLatin1String(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("Pics")));
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(pictureFile("p.png")));
        QImage wide(400, 200, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        QVERIFY(wide.save(pictureFile("wide.bmp")));
        QFile broken(pictureFile("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        common::setProgramFolder(m_folder.path());
    }

    void cleanupTestCase() { common::setProgramFolder(QString()); }

    void findsTheMarker_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("path");

        QTest::newRow("no marker") << "plain text\r\n" << false << 0 << "";
        QTest::newRow("marker on its own line")
            << "See:\r\n<>\\Data\\a.png<>\r\nmore" << true << 6 << "\\Data\\a.png";
        QTest::newRow("marker at the second character") << "x<>p<>" << true << 1 << "p";
        QTest::newRow("marker at the very start stays text")
            << "<>\\Data\\a.png<> text" << false << 0 << "";
        QTest::newRow("after a marker at the start the next one counts")
            << "<>\\Data\\a.png<> x <>\\Data\\b.png<>" << true << 18 << "\\Data\\b.png";
        QTest::newRow("the first of two markers counts")
            << "x <>\\Data\\a.png<> y <>\\Data\\b.png<>" << true << 2 << "\\Data\\a.png";
        QTest::newRow("opening without closing") << "x <>\\Data\\a.png" << false << 0 << "";
        QTest::newRow("a <> in a sentence does not reach into the next line")
            << "a <> b\r\nc <>p.png<>" << true << 10 << "p.png";
        QTest::newRow("a lone <> at the start") << "<>\r\nx <>p<>" << true << 6 << "p";
        QTest::newRow("empty path") << "x<><>" << true << 1 << "";
        QTest::newRow("empty text") << "" << false << 0 << "";
    }

    void findsTheMarker()
    {
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(int, offset);
        QFETCH(QString, path);
        const help::TopicMarker marker = help::findTopicMarker(text);
        QCOMPARE(marker.found, found);
        if (found) {
            QCOMPARE(int(marker.offset), offset);
            QCOMPARE(marker.path, path);
        }
    }

    void insertsThePicture_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("shown"); // the pane's text; the picture shows as kObject
        QTest::addColumn<bool>("picture");

        const QString obj(kObject);
        QTest::newRow("marker on its own line") << "Intro\r\n<>\\Pics\\p.png<>\r\nAfter\r\n"
                                                << "Intro\n" + obj + "\nAfter\n"
                                                << true;
        QTest::newRow("marker inside a line gets a paragraph of its own")
            << "Left <>\\Pics\\p.png<> right"
            << "Left \n" + obj + "\n right" << true;
        QTest::newRow("marker at the end of the text") << "Text <>\\Pics\\p.png<>"
                                                       << "Text \n" + obj << true;
        QTest::newRow("path without a leading backslash") << "A\r\n<>Pics/p.png<>"
                                                          << "A\n" + obj << true;
        QTest::newRow("marker at the very start stays text") << "<>\\Pics\\p.png<>\r\nText"
                                                             << "<>\\Pics\\p.png<>\nText" << false;
        QTest::newRow("a second marker stays text")
            << "A <>\\Pics\\p.png<>\r\nB <>\\Pics\\wide.bmp<>"
            << "A \n" + obj + "\nB <>\\Pics\\wide.bmp<>" << true;
        QTest::newRow("a copy of the same marker goes too")
            << "A\r\n<>\\Pics\\p.png<>\r\nB <>\\Pics\\p.png<>."
            << "A\n" + obj + "\nB ." << true;
        QTest::newRow("a missing picture file removes the marker")
            << "A\r\n<>\\Pics\\none.png<>\r\nB"
            << "A\n\nB" << false;
        QTest::newRow("a file that is no picture removes the marker")
            << "A\r\n<>\\Pics\\broken.png<>\r\nB"
            << "A\n\nB" << false;
        QTest::newRow("an empty path removes the marker") << "A <><> B"
                                                          << "A  B" << false;
        QTest::newRow("no closing marker changes nothing") << "A <>\\Pics\\p.png"
                                                           << "A <>\\Pics\\p.png" << false;
        QTest::newRow("L = 0: empty text") << ""
                                           << "" << false;
    }

    void insertsThePicture()
    {
        QFETCH(QString, topic);
        QFETCH(QString, shown);
        QFETCH(bool, picture);
        QTextDocument document;
        help::setTopicText(document, topic);
        QCOMPARE(help::InsertTopicPicture(document), picture);
        QCOMPARE(document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')), shown);
        const auto pictures = picturesIn(document);
        QCOMPARE(pictures.size(), std::size_t(picture ? 1 : 0));
        if (!picture)
            return;
        const Picture &p = pictures.front();
        QCOMPARE(p.position, int(shown.indexOf(kObject)));
        QCOMPARE(p.alignment, Qt::AlignHCenter);
        QCOMPARE(p.size, QSize(40, 20));
        const QVariant image = document.resource(QTextDocument::ImageResource, QUrl(p.name));
        QCOMPARE(image.value<QImage>().size(), QSize(40, 20));
        // The text around the picture keeps its own alignment.
        QVERIFY(!(document.begin().blockFormat().alignment() & Qt::AlignHCenter));
    }

    void showingATopicAgainEmbedsItAfresh()
    {
        QTextDocument document;
        for (int shown = 0; shown < 2; ++shown) {
            help::setTopicText(document, "A\r\n<>\\Pics\\p.png<>\r\nB");
            QVERIFY(help::InsertTopicPicture(document));
        }
        QCOMPARE(picturesIn(document).size(), std::size_t(1));
        QCOMPARE(document.toPlainText(), QStringLiteral("A\n") + kObject + QStringLiteral("\nB"));
    }

    void fitsPicturesToTheWidth_data()
    {
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QSize>("size");
        QTest::newRow("narrower pane scales down") << 100.0 << QSize(100, 50);
        QTest::newRow("wider pane keeps the own size") << 1000.0 << QSize(400, 200);
        QTest::newRow("no width leaves the pictures as they are") << 0.0 << QSize(50, 25);
    }

    void fitsPicturesToTheWidth()
    {
        QFETCH(qreal, width);
        QFETCH(QSize, size);
        QTextDocument document;
        help::setTopicText(document, "A\r\n<>\\Pics\\wide.bmp<>\r\nB");
        QVERIFY(help::InsertTopicPicture(document));
        // Fitted to a narrow pane first: a wider pane must scale from the picture's own size.
        help::FitTopicPictures(document, 50);
        help::FitTopicPictures(document, width);
        const Picture fitted = picturesIn(document).front();
        QCOMPARE(fitted.size, size);
        // The pane shows the resource as it is: it must have been scaled to that size.
        const QVariant shown = document.resource(QTextDocument::ImageResource, QUrl(fitted.name));
        QCOMPARE(shown.value<QImage>().size(), size);
    }
};

QTEST_MAIN(TopicPictureTest)
#include "topic_picture_test.moc"
