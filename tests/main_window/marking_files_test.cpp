// New, Open and Save As of the main window, with the file dialogs answered by the test.

#include "colour_code/colour_tables.h"
#include "common/program_folder.h"
#include "main_window/band_widgets.h"
#include "main_window/resistor_display.h"
#include "marking_files/mark_code.h"
#include "support/form_fixture.h"
#include "ui/seams.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using testing_support::FormFixture;

namespace
{

using Kind = ui::FileDialogRequest::Kind;

const QString kNotChosen = QStringLiteral("Не выбран");

// Records every file dialog request and answers it from a queue; a null text is Cancel.
class DialogScript
{
public:
    DialogScript()
    {
        ui::setFileDialogHandler([this](QWidget *, const ui::FileDialogRequest &request) {
            requests.push_back(request);
            if (answers.empty()) {
                QTest::qFail("An unexpected file dialog", __FILE__, __LINE__);
                return std::optional<QString>();
            }
            const QString answer = answers.takeFirst();
            return answer.isNull() ? std::nullopt : std::optional(answer);
        });
    }
    ~DialogScript() { ui::setFileDialogHandler({}); }

    QStringList answers;
    std::vector<ui::FileDialogRequest> requests;
};

// What the user sees of a marking.
struct Shown {
    QStringList bandLabels;
    QList<QColor> bandColours;
    QImage picture;
    QString info;
    QString nominal;
    QString unit;
    QString tolerance;
    QString tcr;
    QString bandCount;

    bool operator==(const Shown &) const = default;
};

Shown shown(const main_window::Form1 *w)
{
    Shown s;
    for (const auto *band : w->lblPoloska) {
        s.bandLabels << band->text();
        s.bandColours << band->palette().color(QPalette::Window);
    }
    s.picture = w->picMonitor->image();
    s.info = w->lblInfoMonitor->text();
    s.nominal = w->txtNominal->text();
    s.unit = w->cmbEdinIzmereniya->currentText();
    s.tolerance = w->cmbDopusk->currentText();
    s.tcr = w->cmbTcr->isVisible() ? w->cmbTcr->currentText() : QString();
    s.bandCount = w->cmbPolosok->currentText();
    return s;
}

// The lblColor entry of a colour in the palette of a band position.
int entryOf(int position, int code)
{
    for (const colour_code::PaletteEntry &e : colour_code::PaletteEntries(position))
        if (e.code == code)
            return e.lblColor;
    return -1;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class MarkingFilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormFixture> f;
    std::unique_ptr<DialogScript> dialogs;
    main_window::Form1 *w() { return f->form.get(); }

    void selectBands(int count)
    {
        w()->cmbPolosok->setCurrentIndex(count - 3);
        Q_EMIT w()->cmbPolosok->activated(count - 3);
    }
    void selectText(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
    }
    void decode(int bands, const colour_code::BandCodeArray &codes)
    {
        selectBands(bands);
        for (const int position : colour_code::BandPositionsUsed(bands)) {
            QTest::mouseClick(w()->lblPoloska[position], Qt::LeftButton);
            const int entry = entryOf(position, codes[position]);
            QVERIFY(entry >= 0);
            QTest::mouseClick(w()->lblColor[entry], Qt::LeftButton);
        }
        w()->Timer1_Timer();
        QVERIFY(w()->Command1->isEnabled());
        QTest::mouseClick(w()->Command1, Qt::LeftButton);
    }
    void encode(int bands, const QString &nominal, const QString &unit, const QString &tolerance,
                const QString &tcr = QString())
    {
        selectBands(bands);
        QTest::keyClicks(w()->txtNominal, nominal);
        selectText(w()->cmbEdinIzmereniya, unit);
        if (bands != 3)
            selectText(w()->cmbDopusk, tolerance);
        if (bands == 6)
            selectText(w()->cmbTcr, tcr);
        w()->Timer1_Timer();
        QVERIFY(w()->Command2->isEnabled());
        QTest::mouseClick(w()->Command2, Qt::LeftButton);
    }
    QString programFile(const QString &name) const { return QDir(f->folder.path()).filePath(name); }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<FormFixture>();
        dialogs = std::make_unique<DialogScript>();
        QVERIFY(f->load());
        w()->show();
        QVERIFY(QTest::qWaitForWindowExposed(w()));
    }
    void cleanup()
    {
        dialogs.reset();
        f.reset();
    }

    void saveNewOpenRestoresTheMarking_data()
    {
        QTest::addColumn<bool>("decoding");
        QTest::addColumn<int>("bands");
        QTest::addColumn<colour_code::BandCodeArray>("codes"); // decoding
        QTest::addColumn<QString>("nominal");                  // encoding
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("code"); // in the file name
        QTest::addColumn<QString>("tcr");  // encoding six bands
        using C = colour_code::BandCodeArray;
        struct Row {
            const char *name;
            bool decoding;
            int bands;
            C codes;
            const char *nominal, *unit, *tolerance, *code, *tcr = "";
        };
        const Row rows[] = {
            {"three bands encoded", false, 3, {}, "47", "кОм", "", "369x5x"},
            {"four bands encoded", false, 4, {}, "4.7", "кОм", "1%", "469x43"},
            {"five bands encoded", false, 5, {}, "4.75", "кОм", "0.1%", "569739"},
            {"grey and white encoded", false, 4, {}, "89", "ГОм", "0.05%", "4ABxBA"},
            {"grey, white decoded, 5 bands", true, 5, {11, 10, 11, 3, 10}, "", "", "", "5BAB3A"},
            {"white, grey decoded, 3 bands", true, 3, {11, 10, 0, 1, 0}, "", "", "", "3BAx1x"},
            {"six bands encoded", false, 6, {}, "10", "кОм", "1%", "6322436", "25 ppm/K"},
            {"six bands decoded", true, 6, {3, 2, 2, 4, 3, 4}, "", "", "", "6322434"},
        };
        for (const Row &r : rows)
            QTest::newRow(r.name) << r.decoding << r.bands << r.codes << QString(r.nominal)
                                  << QString(r.unit) << QString(r.tolerance) << QString(r.code)
                                  << QString::fromUtf8(r.tcr);
    }

    void saveNewOpenRestoresTheMarking()
    {
        QFETCH(bool, decoding);
        QFETCH(int, bands);
        QFETCH(colour_code::BandCodeArray, codes);
        QFETCH(QString, nominal);
        QFETCH(QString, unit);
        QFETCH(QString, tolerance);
        QFETCH(QString, code);
        QFETCH(QString, tcr);
        if (decoding)
            decode(bands, codes);
        else
            encode(bands, nominal, unit, tolerance, tcr);
        QVERIFY(w()->mnuSaveAs->isEnabled());
        const Shown before = shown(w());
        const QString resultLine = w()->marking.ResultLine;

        // Save under the proposed name.
        QString savedPath;
        ui::setFileDialogHandler([&](QWidget *, const ui::FileDialogRequest &request) {
            dialogs->requests.push_back(request);
            savedPath = QDir(request.folder).filePath(request.proposedName);
            return std::optional(savedPath);
        });
        w()->mnuSaveAs->trigger();
        QCOMPARE(dialogs->requests.size(), size_t(1));
        const ui::FileDialogRequest request = dialogs->requests.back();
        QCOMPARE(request.kind, Kind::Save);
        QCOMPARE(request.title, QStringLiteral("Сохранить маркировку как"));
        QCOMPARE(request.folder, common::programFolder());
        QCOMPARE(request.filter, QStringLiteral("Bitmap files (*.bmp )"));
        QVERIFY2(request.proposedName.startsWith(QStringLiteral("BNDX77")),
                 qPrintable(request.proposedName));
        // Positions the band count leaves unused carry whatever they held ("x").
        const QString proposedCode = request.proposedName.mid(6, code.size());
        for (int i = 0; i < code.size(); ++i)
            if (code[i] != QLatin1Char('x'))
                QCOMPARE(proposedCode[i], code[i]);
        QCOMPARE(request.proposedName.mid(6 + code.size()), QLatin1Char(' ') + resultLine + ".bmp");
        QVERIFY(f->messages.empty());
        QImageReader reader(savedPath);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32),
                 w()->picMonitor->image().convertToFormat(QImage::Format_RGB32));

        // Open shows the encoder's texts; for a decoded marking they differ from the decoder's.
        w()->Timer1_Timer();
        QTest::mouseClick(w()->Command2, Qt::LeftButton);
        const Shown encoded = shown(w());
        QCOMPARE(encoded.bandLabels, before.bandLabels);
        QCOMPARE(encoded.picture, before.picture);
        if (!decoding)
            QCOMPARE(encoded, before);

        w()->mnuNew->trigger();
        for (auto *band : w()->lblPoloska)
            QCOMPARE(band->text(), kNotChosen);
        QCOMPARE(w()->lblInfoMonitor->text(), QStringLiteral("Bandolin"));
        QVERIFY(w()->txtNominal->text().isEmpty());
        QVERIFY(f->displayShows(QStringLiteral("\\Data\\Resistor.bmp"), {15, 60}));
        QVERIFY(w()->picMonitor->image() != before.picture);
        QCOMPARE(w()->cmbPolosok->currentText(), before.bandCount); // New keeps the band count
        QVERIFY(w()->mnuSaveAs->isEnabled());                       // and Save As

        // Move away from the marking so that Open has everything to restore.
        selectBands(bands == 4 ? 5 : 4);
        // Three bands carry no tolerance item (their 20 % is none of the list's).
        if (bands != 3)
            selectText(w()->cmbDopusk, QStringLiteral("10%"));
        selectText(w()->cmbTcr, QStringLiteral("1 ppm/K"));
        selectText(w()->cmbEdinIzmereniya, QStringLiteral("МОм"));
        QVERIFY(!w()->mnuSaveAs->isEnabled());

        ui::setFileDialogHandler([&](QWidget *, const ui::FileDialogRequest &request) {
            dialogs->requests.push_back(request);
            return std::optional(savedPath);
        });
        w()->mnuOpen->trigger();
        QCOMPARE(dialogs->requests.back().kind, Kind::Open);
        QCOMPARE(dialogs->requests.back().folder, common::programFolder());
        QCOMPARE(dialogs->requests.back().filter, QStringLiteral("Bitmap files (*.bmp )"));
        QVERIFY(f->messages.empty());
        const Shown opened = shown(w());
        QCOMPARE(opened.bandCount, encoded.bandCount);
        QCOMPARE(opened.bandLabels, encoded.bandLabels);
        QCOMPARE(opened.bandColours, encoded.bandColours);
        QCOMPARE(opened.nominal, encoded.nominal);
        QCOMPARE(opened.unit, encoded.unit);
        QCOMPARE(opened.tolerance, encoded.tolerance);
        QCOMPARE(opened.tcr, encoded.tcr);
        QCOMPARE(opened.info, encoded.info);
        QVERIFY(opened.picture == encoded.picture);
        QVERIFY(w()->lblInfoMonitor->isVisible());
        QVERIFY(w()->mnuSaveAs->isEnabled());
        const QString openedCode = marking_files::markCode({bands, w()->marking.BandCodes});
        for (const int position : colour_code::BandPositionsUsed(bands))
            QCOMPARE(openedCode[position + 1], proposedCode[position + 1]);
    }

    void cancelWritesNothing()
    {
        encode(4, QStringLiteral("4.7"), QStringLiteral("кОм"), QStringLiteral("5%"));
        const QStringList before = filesIn(f->folder.path());
        const QStringList dataBefore = filesIn(programFile(QStringLiteral("Data")));
        dialogs->answers.push_back(QString()); // Cancel
        w()->mnuSaveAs->trigger();
        QCOMPARE(dialogs->requests.size(), size_t(1));
        QCOMPARE(filesIn(f->folder.path()), before);
        QCOMPARE(filesIn(programFile(QStringLiteral("Data"))), dataBefore);
        QVERIFY(f->messages.empty());
    }

    void writtenWhereTheDialogSays()
    {
        encode(5, QStringLiteral("4.75"), QStringLiteral("кОм"), QStringLiteral("0.1%"));
        QTemporaryDir elsewhere;
        const QStringList before = filesIn(f->folder.path());
        // A name without extension gets ".bmp"; one with an extension keeps it.
        dialogs->answers.push_back(elsewhere.filePath(QStringLiteral("my resistor")));
        dialogs->answers.push_back(elsewhere.filePath(QStringLiteral("BNDX77569739 copy.BMP")));
        w()->mnuSaveAs->trigger();
        w()->mnuSaveAs->trigger();
        QCOMPARE(filesIn(elsewhere.path()), (QStringList{QStringLiteral("BNDX77569739 copy.BMP"),
                                                         QStringLiteral("my resistor.bmp")}));
        QCOMPARE(QImage(elsewhere.filePath(QStringLiteral("my resistor.bmp")))
                     .convertToFormat(QImage::Format_RGB32),
                 w()->picMonitor->image().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(filesIn(f->folder.path()), before);
        QVERIFY(f->messages.empty());
    }

    // Dark.she's display is dark around the resistor too, and Save As writes it so.
    void darkDisplaySavedAsShown()
    {
        QStringList settings = f->folder.readLines(QStringLiteral("\\Data\\Settings.dat"));
        settings[2] = QStringLiteral("Dark.she");
        f->folder.writeLines(QStringLiteral("\\Data\\Settings.dat"), settings);
        QVERIFY(w()->ReIn());
        encode(4, "4.7", "кОм", "5%");
        dialogs->answers.push_back(programFile("dark"));
        w()->mnuSaveAs->trigger();
        QCOMPARE(w()->picMonitor->background(), QColor(0x15, 0x1A, 0x21));
        for (const QPoint at : {QPoint(1, 1), QPoint(17, 62)}) // the display's corner, the body's
            QCOMPARE(QImage(programFile("dark.bmp")).pixelColor(at), w()->picMonitor->background());
    }

    void unwritablePlaceGivesAMessage()
    {
        encode(4, QStringLiteral("4.7"), QStringLiteral("кОм"), QStringLiteral("5%"));
        // A folder that is a file cannot take a file, whoever runs the test.
        const QString path = programFile(QStringLiteral("Data/Settings.dat/marking.bmp"));
        dialogs->answers.push_back(path);
        w()->mnuSaveAs->trigger();
        QCOMPARE(f->messages.size(), size_t(1));
        const ui::Message &m = f->messages.front();
        QVERIFY2(m.text.contains(QDir::toNativeSeparators(path)), qPrintable(m.text));
        QVERIFY2(m.text.contains(QStringLiteral("Not a directory")), qPrintable(m.text));
        QCOMPARE(m.icon, ui::MessageIcon::Error);
        QCOMPARE(m.title, QStringLiteral("Сохранить маркировку как"));
        QVERIFY(!QFile::exists(path));
    }

    void unsafeResultLineStaysInTheFolder()
    {
        // A language whose nominal word climbs out of the folder.
        f.reset();
        f = std::make_unique<FormFixture>();
        const QString language = QStringLiteral("\\Languages\\Русский.lng");
        QStringList lines = f->folder.readLines(language);
        lines[91] = QStringLiteral("/../../R/");
        f->folder.writeLines(language, lines);
        QVERIFY(f->load());
        encode(4, QStringLiteral("4.7"), QStringLiteral("кОм"), QStringLiteral("5%"));
        QVERIFY(w()->marking.ResultLine.startsWith(QStringLiteral("/../../R/")));
        QString written;
        ui::setFileDialogHandler([&](QWidget *, const ui::FileDialogRequest &request) {
            written = QDir(request.folder).filePath(request.proposedName);
            return std::optional(written);
        });
        w()->mnuSaveAs->trigger();
        QVERIFY(f->messages.empty());
        QCOMPARE(QFileInfo(written).absolutePath(), QDir(f->folder.path()).absolutePath());
        QVERIFY2(QFile::exists(written), qPrintable(written));
        QVERIFY(QFileInfo(written).fileName().mid(12).startsWith(QStringLiteral(" _.._.._R_ ")));
    }

    void invalidNameChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("band count 6") << "BNDX77669043 x.bmp";
        QTest::newRow("band count 2") << "BNDX77269043.bmp";
        QTest::newRow("no colour code") << "BNDX7746C043.bmp";
        QTest::newRow("black first digit") << "BNDX77429043.bmp";
        QTest::newRow("white tolerance band") << "BNDX7746904B.bmp";
        QTest::newRow("short name") << "BNDX774034.bmp";
        QTest::newRow("prefix in lower case") << "bndx77469043.bmp";
        QTest::newRow("no marking name") << "Resistor.bmp";
    }

    void invalidNameChangesNothing()
    {
        QFETCH(QString, name);
        encode(5, QStringLiteral("4.75"), QStringLiteral("кОм"), QStringLiteral("0.1%"));
        selectText(w()->cmbDopusk, QStringLiteral("2%"));
        const Shown before = shown(w());
        const auto codes = w()->marking.BandCodes;
        const QString resultLine = w()->marking.ResultLine;
        const QString path = programFile(name);
        dialogs->answers.push_back(path);
        w()->mnuOpen->trigger();
        QCOMPARE(f->messages.size(), size_t(1));
        QVERIFY2(f->messages.front().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(f->messages.front().text));
        QVERIFY(f->messages.front().text.startsWith("Этот файл не является файлом маркировки:\n\n"));
        QVERIFY(shown(w()) == before);
        QCOMPARE(w()->marking.BandCodes, codes);
        QCOMPARE(w()->marking.ResultLine, resultLine);
        QVERIFY(w()->mnuSaveAs->isEnabled());
    }

    void cancelledOpenChangesNothing()
    {
        encode(3, QStringLiteral("47"), QStringLiteral("кОм"), QString());
        const Shown before = shown(w());
        dialogs->answers.push_back(QString()); // Cancel
        w()->mnuOpen->trigger();
        QCOMPARE(dialogs->requests.size(), size_t(1));
        QVERIFY(shown(w()) == before);
        QVERIFY(f->messages.empty());
    }

    void saveAsFollowsTheMarking()
    {
        // A first start has nothing to save until a marking is decoded or encoded.
        QVERIFY(!w()->mnuSaveAs->isEnabled() && !w()->mnuCopy->isEnabled());
        dialogs->answers.clear();
        w()->mnuSaveAs->trigger();
        QVERIFY(dialogs->requests.empty());
        QVERIFY(w()->mnuNew->isEnabled() && w()->mnuOpen->isEnabled());
        decode(4, {3, 2, 0, 4, 1});
        QVERIFY(w()->mnuSaveAs->isEnabled() && w()->mnuCopy->isEnabled());
        selectBands(3);
        QVERIFY(!w()->mnuSaveAs->isEnabled() && !w()->mnuCopy->isEnabled());
        encode(3, QStringLiteral("47"), QStringLiteral("Ом"), QString());
        QVERIFY(w()->mnuSaveAs->isEnabled() && w()->mnuCopy->isEnabled());
    }
};

QTEST_MAIN(MarkingFilesTest)
#include "marking_files_test.moc"
