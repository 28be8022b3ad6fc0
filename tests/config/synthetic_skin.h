#pragma once

// The synthetic skin of the skin reader's tests, and where each field must come from: a skin
// in which every line holds a value of its own, and the expected line of every field, written
// from the skin's line map rather than from the reader. Included by skin_file_test.cpp only.

#include "config/skin_file.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <set>
#include <vector>

using config::SkinFile;

namespace
{

// The reading help's lines at the end of a delivered skin: three label lines and 13 values;
// the six bands' lines after them: six label lines and 36 values.
constexpr int kReadingHintLines = 16;
constexpr int kSixBandLines = 42;

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
// The label line of lblColor(48)'s place in the synthetic skin with two figures, and that of
// the six bands' first group.
constexpr int kThirdDigitBlackLine = kFigureLine + 5 * 2 + 1;
constexpr int kSixBandsLine = kThirdDigitBlackLine + 3 + kReadingHintLines;

// A complete skin in which every line holds a value of its own: line k holds "k.25" (read as
// k by integer and colour fields, as k + 0.25 by float fields), a text "T<k>", or a bold flag.
// Without blackPlace it ends after the figures, as skins did before lblColor(48); with it, the
// reading help's and the six bands' lines follow.
QStringList syntheticSkin(int figures = 2, bool blackPlace = true)
{
    QStringList lines;
    const int last =
        kFigureLine + 5 * figures + (blackPlace ? 3 + kReadingHintLines + kSixBandLines : 0);
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
    c.intPoint(
        "BandOffsets 5", [](S s) { return s.main.BandOffsets[5]; }, kSixBandsLine + 1);
    c.point(
        "BandLabelPlaces 5", [](S s) { return s.main.BandLabelPlaces[5]; }, kSixBandsLine + 4);
    c.rect(
        "lbl 5", [](S s) { return s.main.lbl[5]; }, kSixBandsLine + 7);
    c.single(
        "picPallete6 width", [](S s) { return s.main.picPalleteSizes[5].width; }, kSixBandsLine + 12);
    c.single(
        "picPallete6 height", [](S s) { return s.main.picPalleteSizes[5].height; }, kSixBandsLine + 13);
    for (int i = 49; i < 58; ++i)
        c.point(
            QStringLiteral("lblColor %1").arg(i), [i](S s) { return s.main.lblColor[i]; },
            kSixBandsLine + 14 + 2 * (i - 49));
    c.combo(
        "cmbTcr", [](S s) { return s.main.cmbTcr; }, kSixBandsLine + 33);
    c.rect(
        "lblTcr", [](S s) { return s.main.lblTcr; }, kSixBandsLine + 38);
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
