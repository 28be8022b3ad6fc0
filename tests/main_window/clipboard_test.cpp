// File > Copy: the decoded marking as text and as the display's picture on the clipboard.

#include "config/language_file.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using testing_support::FormFixture;

class ClipboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormFixture> f;
    main_window::Form1 *w() { return f->form.get(); }

    void load()
    {
        QVERIFY(f->load());
        w()->show();
        QApplication::setActiveWindow(w());
        QVERIFY(QTest::qWaitForWindowActive(w()));
    }
    void selectFiveBands()
    {
        w()->cmbPolosok->setCurrentIndex(2);
        Q_EMIT w()->cmbPolosok->activated(2);
    }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

private Q_SLOTS:
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }

    void copiesTheTextAndThePicture()
    {
        load();
        selectFiveBands();
        const colour_code::BandCodeArray codes = {colour_code::Yellow, colour_code::Violet,
                                                  colour_code::Black, colour_code::Brown,
                                                  colour_code::Brown};
        for (int position = 0; position < 5; ++position) {
            QTest::mouseClick(w()->lblPoloska[position], Qt::LeftButton);
            for (const colour_code::PaletteEntry &e : colour_code::PaletteEntries(position))
                if (e.code == codes[std::size_t(position)])
                    QTest::mouseClick(w()->lblColor[e.lblColor], Qt::LeftButton);
        }
        w()->Timer1_Timer();
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
        QGuiApplication::clipboard()->clear();
        w()->mnuCopy->trigger();
        QCOMPARE(clipboardText(),
                 QStringLiteral("4.7 кОм ±1%: жёлтый, фиолетовый, чёрный, коричневый, коричневый"));
        const QImage copied =
            qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 w()->picMonitor->image().convertToFormat(QImage::Format_RGB32));
        QVERIFY(f->messages.empty());

        // Ctrl+C: the marking, except in a text box with a selection of its own.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(w()->cmbPolosok, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText().left(8), QStringLiteral("4.7 кОм "));
        w()->txtNominal->setFocus();
        w()->txtNominal->selectAll();
        QTest::keyClick(w()->txtNominal, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText(), QStringLiteral("4.7"));
    }

    // An encoding the bands cannot write leaves them unchosen: the typed value is copied.
    void failedEncodingCopiesTheTypedValue()
    {
        load();
        selectFiveBands();
        QTest::keyClicks(w()->txtNominal, QStringLiteral("0.47"));
        w()->Timer1_Timer();
        QTest::mouseClick(w()->Command2, Qt::LeftButton);
        QCOMPARE(f->messages.size(), std::size_t(1));
        w()->mnuCopy->trigger();
        QVERIFY2(clipboardText().startsWith(QStringLiteral("Номинал: 0.47 Ом Допуск:")),
                 qPrintable(clipboardText()));
    }

    void captionFromTheLanguageFile_data()
    {
        QTest::addColumn<QString>("copyLine"); // null: the file ends with its help block
        QTest::addColumn<QString>("caption");
        QTest::newRow("later line") << "Ко&пия"
                                    << "Ко&пия";
        QTest::newRow("file without it") << QString() << "Ко&пировать";
    }
    void captionFromTheLanguageFile()
    {
        QFETCH(QString, copyLine);
        QFETCH(QString, caption);
        const QString file = QStringLiteral("\\Languages\\Русский.lng");
        QStringList lines = f->folder.readLines(file);
        const qsizetype later = config::laterLinesStart(lines).value();
        if (copyLine.isNull())
            lines.resize(later);
        else
            lines[later + config::CopyCaptionLine] = copyLine;
        f->folder.writeLines(file, lines);
        load();
        QCOMPARE(w()->mnuCopy->text(), caption);
    }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
