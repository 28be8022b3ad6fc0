#include "config/skin_file.h"

#include "common/failure.h"
#include "common/text_file.h"
#include "support/failures.h"
#include "support/test_folder.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <set>

using config::SkinFile;

namespace
{

// The reading help's lines at the end of a delivered skin: three label lines and 13 values.
constexpr int kReadingHintLines = 16;

// Lines that hold bold flags; the synthetic skin gives odd lines True, even lines False.
const std::set<int> kBoldLines = {259, 266, 273, 280, 287, 297, 304, 311, 318, 331, 338, 344,
                                  351, 358, 365, 376, 381, 386, 393, 400, 407, 414, 421, 428};
// Lines that hold texts (names and paths); the synthetic skin writes "T<line>".
bool isTextLine(int line)
{
    static const std::set<int> texts = {4, 6, 8, 68, 77, 78, 79, 99};
    return texts.count(line) || (line >= 430 && line <= 462);
}

constexpr int kFigureLine = 465;
// The label line of lblColor(48)'s place in the synthetic skin with two figures.
constexpr int kThirdDigitBlackLine = kFigureLine + 5 * 2 + 1;

// A complete skin in which every line holds a value of its own: line k holds "k.25" (read as
// k by integer and colour fields, as k + 0.25 by float fields), a text "T<k>", or a bold flag.
// Without blackPlace it ends after the figures, as skins did before lblColor(48).
QStringList syntheticSkin(int figures = 2, bool blackPlace = true)
{
    QStringList lines;
    const int last = kFigureLine + 5 * figures + (blackPlace ? 3 : 0);
    for (int line = 1; line <= last; ++line) {
        if (line == 1)
            lines << QStringLiteral("7 picture set");
        else if (kBoldLines.count(line))
            lines << (line % 2 ? QStringLiteral("True") : QStringLiteral("false"));
        else if (isTextLine(line))
            lines << QStringLiteral("T%1").arg(line);
        else if (line == kFigureLine)
            lines << QString::number(figures);
        else
            lines << QStringLiteral("%1.25").arg(line);
    }
    return lines;
}

double floatAt(int line)
{
    return line + 0.25;
}

struct Check {
    QString name;
    std::function<double(const SkinFile &)> value;
    double expected;
};

struct TextCheck {
    QString name;
    std::function<QString(const SkinFile &)> value;
    QString expected;
};

// Expected position of every numeric field, built from the line map independently of the
// reader.
class CheckList
{
public:
    std::vector<Check> checks;

    void number(const QString &name, std::function<double(const SkinFile &)> value, double exp)
    {
        checks.push_back({name, std::move(value), exp});
    }
    void integer(const QString &name, std::function<double(const SkinFile &)> value, int line)
    {
        number(name, std::move(value), line);
    }
    void single(const QString &name, std::function<double(const SkinFile &)> value, int line)
    {
        number(name, std::move(value), floatAt(line));
    }
    void bold(const QString &name, std::function<bool(const SkinFile &)> value, int line)
    {
        number(
            name + " bold", [value](const SkinFile &s) { return double(value(s)); },
            line % 2 ? 1.0 : 0.0);
    }
    void point(const QString &name, std::function<config::TwipsPoint(const SkinFile &)> p, int line)
    {
        single(
            name + " left", [p](const SkinFile &s) { return p(s).left; }, line);
        single(
            name + " top", [p](const SkinFile &s) { return p(s).top; }, line + 1);
    }
    void rect(const QString &name, std::function<config::TwipsRect(const SkinFile &)> r, int line)
    {
        single(
            name + " left", [r](const SkinFile &s) { return r(s).left; }, line);
        single(
            name + " top", [r](const SkinFile &s) { return r(s).top; }, line + 1);
        single(
            name + " width", [r](const SkinFile &s) { return r(s).width; }, line + 2);
        single(
            name + " height", [r](const SkinFile &s) { return r(s).height; }, line + 3);
    }
    void sizedRect(const QString &name, std::function<config::SizedRect(const SkinFile &)> r,
                   int line)
    {
        rect(
            name, [r](const SkinFile &s) { return r(s).rect; }, line);
        single(
            name + " size", [r](const SkinFile &s) { return r(s).fontSize; }, line + 4);
    }
    void styledRect(const QString &name, std::function<config::StyledRect(const SkinFile &)> r,
                    int line)
    {
        rect(
            name, [r](const SkinFile &s) { return r(s).rect; }, line);
        single(
            name + " size", [r](const SkinFile &s) { return r(s).fontSize; }, line + 4);
        bold(
            name, [r](const SkinFile &s) { return r(s).bold; }, line + 5);
    }
    void combo(const QString &name, std::function<config::SizedCombo(const SkinFile &)> c, int line)
    {
        single(
            name + " left", [c](const SkinFile &s) { return c(s).left; }, line);
        single(
            name + " top", [c](const SkinFile &s) { return c(s).top; }, line + 1);
        single(
            name + " width", [c](const SkinFile &s) { return c(s).width; }, line + 2);
        single(
            name + " size", [c](const SkinFile &s) { return c(s).fontSize; }, line + 3);
    }
    void styledPoint(const QString &name, std::function<config::StyledPoint(const SkinFile &)> p,
                     int line)
    {
        point(
            name, [p](const SkinFile &s) { return p(s).place; }, line);
        single(
            name + " size", [p](const SkinFile &s) { return p(s).fontSize; }, line + 2);
        bold(
            name, [p](const SkinFile &s) { return p(s).bold; }, line + 3);
    }
    void intPoint(const QString &name, std::function<QPoint(const SkinFile &)> p, int line)
    {
        integer(
            name + " x", [p](const SkinFile &s) { return p(s).x(); }, line);
        integer(
            name + " y", [p](const SkinFile &s) { return p(s).y(); }, line + 1);
    }
};

std::vector<Check> numericChecks()
{
    CheckList c;
    using S = const SkinFile &;
    c.integer(
        "window colour", [](S s) { return s.main.WindowColour; }, 3);
    c.integer(
        "MenuBarColour", [](S s) { return s.main.MenuBarColour; }, 9);
    c.integer(
        "ShapeColor", [](S s) { return s.main.ShapeColor; }, 11);
    for (int i = 0; i < 4; ++i)
        c.integer(
            QStringLiteral("LabelColours %1").arg(i), [i](S s) { return s.main.LabelColours[i]; },
            13 + i);
    c.integer(
        "LabelColours 4", [](S s) { return s.main.LabelColours[4]; }, 45);
    for (int i = 0; i < 3; ++i) {
        c.integer(
            QStringLiteral("TextBoxColours %1").arg(i),
            [i](S s) { return s.main.TextBoxColours[i]; }, 18 + i);
        c.integer(
            QStringLiteral("ComboBoxColours %1").arg(i),
            [i](S s) { return s.main.ComboBoxColours[i]; }, 22 + i);
    }
    c.integer(
        "ButtonColor", [](S s) { return s.main.ButtonColor; }, 26);
    c.integer(
        "picMonitor left", [](S s) { return s.main.picMonitor.left(); }, 28);
    c.integer(
        "picMonitor top", [](S s) { return s.main.picMonitor.top(); }, 29);
    c.integer(
        "picMonitor width", [](S s) { return s.main.picMonitor.width(); }, 30);
    c.integer(
        "picMonitor height", [](S s) { return s.main.picMonitor.height(); }, 31);
    c.integer(
        "picMonitor colour", [](S s) { return s.main.picMonitorColour; }, 32);
    c.intPoint(
        "BodyPlace", [](S s) { return s.main.BodyPlace; }, 34);
    c.intPoint(
        "BandOrigin", [](S s) { return s.main.BandOrigin; }, 37);
    c.integer(
        "window width", [](S s) { return s.main.windowSize.width(); }, 40);
    c.integer(
        "window height", [](S s) { return s.main.windowSize.height(); }, 41);
    c.point(
        "lblMonitor", [](S s) { return s.main.lblMonitor; }, 43);
    for (int i = 0; i < 5; ++i)
        c.intPoint(
            QStringLiteral("BandOffsets %1").arg(i), [i](S s) { return s.main.BandOffsets[i]; },
            47 + 2 * i);
    c.combo(
        "cmbPolosok", [](S s) { return s.main.cmbPolosok; }, 59);
    c.rect(
        "lblInfoMonitor", [](S s) { return s.main.lblInfoMonitor; }, 64);
    c.single(
        "lblInfoMonitor size", [](S s) { return s.main.lblInfoMonitorFontSize; }, 69);
    c.single(
        "ConnectFormW", [](S s) { return s.main.ConnectFormW; }, 71);
    c.single(
        "ConnectFormH", [](S s) { return s.main.ConnectFormH; }, 72);
    c.single(
        "OmFormW", [](S s) { return s.main.OmFormW; }, 74);
    c.single(
        "OmFormH", [](S s) { return s.main.OmFormH; }, 75);
    for (int i = 0; i < 5; ++i)
        c.point(
            QStringLiteral("BandLabelPlaces %1").arg(i),
            [i](S s) { return s.main.BandLabelPlaces[i]; }, 81 + 2 * i);
    c.single(
        "lblPoloska width", [](S s) { return s.main.lblPoloskaSize.width; }, 92);
    c.single(
        "lblPoloska height", [](S s) { return s.main.lblPoloskaSize.height; }, 93);
    c.integer(
        "shpRCRamkaC", [](S s) { return s.main.shpRCRamkaC; }, 95);
    c.single(
        "shpRCRamkaT", [](S s) { return s.main.shpRCRamkaT; }, 96);
    c.integer(
        "palette colour", [](S s) { return s.main.picPalleteColour; }, 98);
    for (int i = 0; i < 5; ++i) {
        c.single(
            QStringLiteral("picPallete%1 width").arg(i + 1),
            [i](S s) { return s.main.picPalleteSizes[i].width; }, 100 + 2 * i);
        c.single(
            QStringLiteral("picPallete%1 height").arg(i + 1),
            [i](S s) { return s.main.picPalleteSizes[i].height; }, 101 + 2 * i);
    }
    for (int i = 0; i < 48; ++i)
        c.point(
            QStringLiteral("lblColor %1").arg(i), [i](S s) { return s.main.lblColor[i]; },
            110 + 2 * i);
    c.point(
        "lblColor 48", [](S s) { return s.main.lblColor[48]; }, kThirdDigitBlackLine + 1);
    for (int i = 0; i < 5; ++i)
        c.rect(
            QStringLiteral("lbl %1").arg(i), [i](S s) { return s.main.lbl[i]; }, 207 + 4 * i);
    c.sizedRect(
        "Command1", [](S s) { return s.main.Command1; }, 228);
    c.sizedRect(
        "Command2", [](S s) { return s.main.Command2; }, 234);
    c.point(
        "picMarkTitle", [](S s) { return s.main.picMarkTitle; }, 240);
    c.sizedRect(
        "txtNominal", [](S s) { return s.main.txtNominal; }, 243);
    c.combo(
        "cmbEdinIzmereniya", [](S s) { return s.main.cmbEdinIzmereniya; }, 249);
    for (int i = 0; i < 5; ++i)
        c.styledRect(
            QStringLiteral("Label%1").arg(i + 1), [i](S s) { return s.main.Labels[i]; },
            254 + 7 * i);

    c.point(
        "picConTitle", [](S s) { return s.linkora.picConTitle; }, 289);
    c.styledRect(
        "cmdAdd", [](S s) { return s.linkora.cmdAdd; }, 292);
    c.styledRect(
        "cmdRemove", [](S s) { return s.linkora.cmdRemove; }, 299);
    c.styledRect(
        "cmdClear", [](S s) { return s.linkora.cmdClear; }, 306);
    c.styledRect(
        "cmdCalc", [](S s) { return s.linkora.cmdCalc; }, 313);
    c.point(
        "picParal", [](S s) { return s.linkora.picParal; }, 320);
    c.point(
        "picPosled", [](S s) { return s.linkora.picPosled; }, 323);
    c.styledRect(
        "Linkora Label1", [](S s) { return s.linkora.Label1; }, 326);
    c.styledRect(
        "Linkora txtNominal", [](S s) { return s.linkora.txtNominal; }, 333);
    c.single(
        "cmbEdinIz left", [](S s) { return s.linkora.cmbEdinIz.left; }, 340);
    c.single(
        "cmbEdinIz top", [](S s) { return s.linkora.cmbEdinIz.top; }, 341);
    c.single(
        "cmbEdinIz width", [](S s) { return s.linkora.cmbEdinIz.width; }, 342);
    c.single(
        "cmbEdinIz size", [](S s) { return s.linkora.cmbEdinIz.fontSize; }, 343);
    c.bold(
        "cmbEdinIz", [](S s) { return s.linkora.cmbEdinIz.bold; }, 344);
    c.styledRect(
        "lstResistors", [](S s) { return s.linkora.lstResistors; }, 346);
    c.styledRect(
        "lblResult", [](S s) { return s.linkora.lblResult; }, 353);
    c.styledRect(
        "Linkora txtResult", [](S s) { return s.linkora.txtResult; }, 360);

    c.point(
        "picOmTitle", [](S s) { return s.voltamo.picOmTitle; }, 367);
    c.point(
        "picUIR", [](S s) { return s.voltamo.picUIR; }, 370);
    c.styledPoint(
        "lblU", [](S s) { return s.voltamo.lblU; }, 373);
    c.styledPoint(
        "lblI", [](S s) { return s.voltamo.lblI; }, 378);
    c.styledPoint(
        "lblR", [](S s) { return s.voltamo.lblR; }, 383);
    c.styledRect(
        "lblFirst", [](S s) { return s.voltamo.lblFirst; }, 388);
    c.styledRect(
        "lblSecond", [](S s) { return s.voltamo.lblSecond; }, 395);
    c.styledRect(
        "txtFirst", [](S s) { return s.voltamo.txtFirst; }, 402);
    c.styledRect(
        "txtSecond", [](S s) { return s.voltamo.txtSecond; }, 409);
    c.styledRect(
        "Voltamo txtResult", [](S s) { return s.voltamo.txtResult; }, 416);
    c.styledRect(
        "Voltamo Command1", [](S s) { return s.voltamo.Command1; }, 423);

    c.integer(
        "line width", [](S s) { return s.main.lineWidth; }, 464);
    c.number(
        "figure count", [](S s) { return double(s.main.rectangles.size()); }, 2);
    for (int i = 0; i < 2; ++i) {
        const int first = 466 + 5 * i;
        auto r = [i](S s) {
            return std::size_t(i) < s.main.rectangles.size() ? s.main.rectangles[i]
                                                             : config::DecorativeRectangle{};
        };
        c.single(
            QStringLiteral("figure %1 x1").arg(i), [r](S s) { return r(s).x1; }, first);
        c.single(
            QStringLiteral("figure %1 y1").arg(i), [r](S s) { return r(s).y1; }, first + 1);
        c.single(
            QStringLiteral("figure %1 x2").arg(i), [r](S s) { return r(s).x2; }, first + 2);
        c.single(
            QStringLiteral("figure %1 y2").arg(i), [r](S s) { return r(s).y2; }, first + 3);
        c.integer(
            QStringLiteral("figure %1 colour").arg(i), [r](S s) { return r(s).colour; }, first + 4);
    }
    return c.checks;
}

std::vector<TextCheck> textChecks()
{
    using S = const SkinFile &;
    std::vector<TextCheck> c = {
        {"PictureSetCode", [](S s) { return s.main.PictureSetCode; }, "7"},
        {"GlobalPicture", [](S s) { return s.main.GlobalPicture; }, "T4"},
        {"GeneralFont", [](S s) { return s.main.GeneralFont; }, "T6"},
        {"lblInfoMonitor caption", [](S s) { return s.main.lblInfoMonitorCaption; }, "T68"},
        {"picMark", [](S s) { return s.main.picMark; }, "T77"},
        {"picCon", [](S s) { return s.main.picCon; }, "T78"},
        {"picOm", [](S s) { return s.main.picOm; }, "T79"},
        {"palette picture", [](S s) { return s.main.picPalletePicture; }, "T99"},
    };
    for (int i = 0; i < config::kRequiredFileCount; ++i)
        c.push_back({QStringLiteral("RequiredFiles %1").arg(i),
                     [i](S s) { return s.main.RequiredFiles[i]; },
                     QStringLiteral("T%1").arg(430 + i)});
    return c;
}

using testing_support::failureOf;
using testing_support::namesLine;

} // namespace

class SkinFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    SkinFile m_synthetic;

    QString writeSkin(const QStringList &lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("Test.she"));
        common::writeTextLines(path, lines);
        return path;
    }

    // The synthetic skin with one line replaced.
    QString skinWith(int line, const QString &text)
    {
        QStringList lines = syntheticSkin();
        lines[line - 1] = text;
        return writeSkin(lines);
    }

private Q_SLOTS:
    void initTestCase() { m_synthetic = config::readSkinFile(writeSkin(syntheticSkin())); }

    void numericFieldComesFromItsLine_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<Check> checks = numericChecks();
        for (std::size_t i = 0; i < checks.size(); ++i)
            QTest::newRow(qPrintable(checks[i].name)) << int(i);
    }

    void numericFieldComesFromItsLine()
    {
        QFETCH(int, index);
        const Check check = numericChecks().at(std::size_t(index));
        QCOMPARE(check.value(m_synthetic), check.expected);
    }

    void textFieldComesFromItsLine_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<TextCheck> checks = textChecks();
        for (std::size_t i = 0; i < checks.size(); ++i)
            QTest::newRow(qPrintable(checks[i].name)) << int(i);
    }

    void textFieldComesFromItsLine()
    {
        QFETCH(int, index);
        const TextCheck check = textChecks().at(std::size_t(index));
        QCOMPARE(check.value(m_synthetic), check.expected);
    }

    void sectionReadersAgreeWithTheWholeFile()
    {
        const QString path = writeSkin(syntheticSkin());
        QVERIFY(config::readMainWindowSkin(path) == m_synthetic.main);
        QVERIFY(config::readLinkoraSkin(path) == m_synthetic.linkora);
        QVERIFY(config::readVoltamoSkin(path) == m_synthetic.voltamo);
    }

    void emptyToolSectionsStillServeTheMainWindow()
    {
        QStringList lines = syntheticSkin();
        for (int line = 288; line <= 429; ++line)
            lines[line - 1].clear();
        const QString path = writeSkin(lines);
        QVERIFY(config::readMainWindowSkin(path) == m_synthetic.main);
        // The tool windows' own readers do need their bold flags.
        QVERIFY(namesLine(failureOf([&] { config::readLinkoraSkin(path); }), 297));
        QVERIFY(namesLine(failureOf([&] { config::readVoltamoSkin(path); }), 376));
    }

    void toolSectionsNeedTheFileOnlyUpToTheirLastLine_data()
    {
        QTest::addColumn<int>("section"); // 0 Linkora, 1 Voltamo
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("failingLine"); // 0: none
        QTest::newRow("Linkora ends at 365") << 0 << 365 << 0;
        QTest::newRow("Linkora ends at 364") << 0 << 364 << 365;
        QTest::newRow("Linkora ends at 200") << 0 << 200 << 201;
        QTest::newRow("Voltamo ends at 428") << 1 << 428 << 0;
        QTest::newRow("Voltamo ends at 427") << 1 << 427 << 428;
    }

    void toolSectionsNeedTheFileOnlyUpToTheirLastLine()
    {
        QFETCH(int, section);
        QFETCH(int, lineCount);
        QFETCH(int, failingLine);
        const QString path = writeSkin(syntheticSkin().mid(0, lineCount));
        const QString message = failureOf([&] {
            if (section == 0)
                QVERIFY(config::readLinkoraSkin(path) == m_synthetic.linkora);
            else
                QVERIFY(config::readVoltamoSkin(path) == m_synthetic.voltamo);
        });
        if (failingLine == 0)
            QVERIFY2(message.isEmpty(), qPrintable(message));
        else
            QVERIFY2(namesLine(message, failingLine) && message.contains(path),
                     qPrintable(message));
    }

    void shortMainWindowSkinFails_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("failingLine");
        QTest::newRow("ends inside the main section") << 68 << 69;
        QTest::newRow("ends before the tool sections") << 287 << 288;
        QTest::newRow("ends inside the required files") << 440 << 441;
        QTest::newRow("no figure count") << 464 << 465;
        QTest::newRow("second figure missing") << 470 << 471;
        QTest::newRow("colour of the second figure missing") << 474 << 475;
    }

    void shortMainWindowSkinFails()
    {
        QFETCH(int, lineCount);
        QFETCH(int, failingLine);
        const QString path = writeSkin(syntheticSkin().mid(0, lineCount));
        const QString message = failureOf([&] { config::readMainWindowSkin(path); });
        QVERIFY2(namesLine(message, failingLine) && message.contains(path), qPrintable(message));
    }

    void figureCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("figures");
        QTest::newRow("none") << "0" << 0;
        QTest::newRow("negative draws none") << "-3" << 0;
        QTest::newRow("no number") << "none" << 0;
        QTest::newRow("rounded half to even") << "0.5" << 0;
    }

    void figureCount()
    {
        QFETCH(QString, count);
        QFETCH(int, figures);
        QStringList lines = syntheticSkin(0);
        lines[kFigureLine - 1] = count;
        QCOMPARE(int(config::readMainWindowSkin(writeSkin(lines)).rectangles.size()), figures);
    }

    void boldFlag_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: not a flag
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("lower case true") << "true" << 1;
        QTest::newRow("upper case FALSE") << "FALSE" << 0;
        QTest::newRow("blanks around") << " True " << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("zero with fraction") << "0.0" << 0;
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("minus one") << "-1" << 1;
        QTest::newRow("fraction") << "0.5" << 1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("Yes") << "Yes" << -1;
        QTest::newRow("Truex") << "Truex" << -1;
        QTest::newRow("number then text") << "1x" << -1;
    }

    void boldFlag()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<bool> flag = config::boldFlag(text);
        QCOMPARE(flag ? int(*flag) : -1, expected);
    }

    void valueLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fails");
        QTest::newRow("bold flag Yes") << 259 << "Yes" << true;
        QTest::newRow("bold flag empty") << 287 << "" << true;
        QTest::newRow("strict size abc") << 69 << "abc" << true;
        QTest::newRow("strict size 12x") << 69 << "12x" << true;
        QTest::newRow("strict size empty") << 69 << "" << true;
        QTest::newRow("strict size 11") << 69 << "11" << false;
        QTest::newRow("lenient size abc") << 62 << "abc" << false;
        QTest::newRow("16-bit 32767") << 47 << "32767" << false;
        QTest::newRow("16-bit -32768") << 47 << "-32768" << false;
        QTest::newRow("16-bit 32768") << 47 << "32768" << true;
        QTest::newRow("16-bit 32767.5 rounds up") << 30 << "32767.5" << true;
        QTest::newRow("16-bit -32769") << 40 << "-32769" << true;
        QTest::newRow("line width 40000") << 464 << "40000" << true;
        QTest::newRow("colour 2^31") << 3 << "2147483648" << true;
        QTest::newRow("colour 2^31 - 1") << 3 << "2147483647" << false;
        QTest::newRow("float beyond single range") << 71 << "1E+39" << true;
        QTest::newRow("beyond double range") << 71 << "1E+999" << true;
        QTest::newRow("line 8 holds anything") << 8 << "1E+999" << false;
        QTest::newRow("line 58 holds anything") << 58 << "1E+999" << false;
    }

    void valueLines()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(bool, fails);
        const QString path = skinWith(line, text);
        const QString message = failureOf([&] { config::readMainWindowSkin(path); });
        if (fails)
            QVERIFY2(namesLine(message, line) && message.contains(path), qPrintable(message));
        else
            QVERIFY2(message.isEmpty(), qPrintable(message));
    }

    void lenientNumbers_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("16-bit no number") << 28 << "abc" << 0.0;
        QTest::newRow("16-bit half to even down") << 47 << "12.5" << 12.0;
        QTest::newRow("16-bit half to even up") << 47 << "13.5" << 14.0;
        QTest::newRow("float comma ends") << 43 << "120,5" << 120.0;
        QTest::newRow("colour negative") << 3 << "-1" << double(0xFFFFFFFFu);
        QTest::newRow("colour rounded") << 3 << "255.5" << 256.0;
    }

    void lenientNumbers()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(double, expected);
        const config::MainWindowSkin skin = config::readMainWindowSkin(skinWith(line, text));
        double actual = 0;
        if (line == 28)
            actual = skin.picMonitor.left();
        else if (line == 47)
            actual = skin.BandOffsets[0].x();
        else if (line == 43)
            actual = skin.lblMonitor.left;
        else
            actual = skin.WindowColour;
        QCOMPARE(actual, expected);
    }

    void pictureSetCode_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first character") << "AB"
                                         << "A";
        QTest::newRow("blank first") << " 1"
                                     << "";
        QTest::newRow("empty line") << ""
                                    << "";
    }

    void pictureSetCode()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(config::readMainWindowSkin(skinWith(1, line)).PictureSetCode, expected);
    }

    // A skin from before the third-digit black: the entry gets the second-digit black's place
    // and the delivered layout comes out as the skin that places it itself.
    void skinWithoutThirdDigitBlackStillLoads()
    {
        using namespace colour_code;
        const QString delivered =
            testing_support::sourceFolder() + QStringLiteral("/data/Skin/Default.she");
        const config::MainWindowSkin current = config::readMainWindowSkin(delivered);
        QVERIFY(current.thirdDigitBlackPlaced);

        QStringList old = common::readTextLines(delivered);
        old.resize(old.size() - 3 - kReadingHintLines);
        for (const PaletteEntry &e : PaletteEntries(ThirdDigitBand).subspan(1)) {
            QString &top = old[111 + 2 * e.lblColor - 1];
            top = QString::number(top.toInt() - 240);
        }
        old[105 - 1] = QString::number(old[105 - 1].toInt() - 240); // picPallete3 height
        config::MainWindowSkin upgraded = config::readMainWindowSkin(writeSkin(old));
        QVERIFY(!upgraded.thirdDigitBlackPlaced);
        upgraded.thirdDigitBlackPlaced = true;
        upgraded.lblHint = current.lblHint;
        upgraded.lblHintBelow = current.lblHintBelow;
        upgraded.lblHintAbove = current.lblHintAbove;
        upgraded.readingHintPlaced = true;
        QVERIFY(upgraded == current);

        // Old layouts the derived place must fit: the one above (third-digit entries from top
        // 120, 240 apart; the palette 2415 high) with lines changed ("line=value"), or with
        // three blank lines at its end ("blank tail").
        const auto top = [](int lblColor, int value) {
            return QStringLiteral("%1=%2").arg(111 + 2 * lblColor).arg(value);
        };
        QStringList halfRowDown;
        for (const PaletteEntry &e : PaletteEntries(ThirdDigitBand).subspan(1))
            halfRowDown << top(e.lblColor, 240 * e.row);
        struct Case {
            const char *name;
            QStringList edits;
            int entry; // whose top is checked
            float top, height;
        };
        const Case cases[] = {
            {"file ends in blank lines", {"blank tail"}, 48, 120, 2655},
            {"second-digit black and brown abreast", {top(35, 120), "180=1560"}, 26, 360, 2655},
            {"palette starts half a row down", halfRowDown, 26, 360, 2655},
            {"entries above black stay", {top(32, 600)}, 26, 120, 2655},
            {"palette taller than needed", {"105=5000"}, 20, 2280, 5000},
        };
        for (const Case &c : cases) {
            QStringList skin = old;
            for (const QString &edit : c.edits) {
                if (edit == QLatin1String("blank tail"))
                    skin << QString() << QString() << QString();
                else
                    skin[edit.section(u'=', 0, 0).toInt() - 1] = edit.section(u'=', 1);
            }
            const config::MainWindowSkin read = config::readMainWindowSkin(writeSkin(skin));
            QVERIFY2(!read.thirdDigitBlackPlaced &&
                         read.lblColor[std::size_t(c.entry)].top == c.top &&
                         read.picPalleteSizes[2].height == c.height,
                     c.name);
        }
    }

    void nothingPictureIsKeptAsWritten()
    {
        const config::MainWindowSkin skin =
            config::readMainWindowSkin(skinWith(4, QStringLiteral("Nothing")));
        QCOMPARE(skin.GlobalPicture, QStringLiteral("Nothing"));
        QVERIFY(config::isNoPicture(skin.GlobalPicture));
        QVERIFY(!config::isNoPicture(QStringLiteral("nothing")));
    }
};

QTEST_GUILESS_MAIN(SkinFileTest)
#include "skin_file_test.moc"
