// Takes the pictures of the main window that the manual shows, once per delivered language:
// the whole window with a marking on it, and the palette of a band opened for a choice.
// Runs at build time on the offscreen platform, on a copy of the built program folder, and
// writes into that folder's Data/. Usage: make_manual_shots <program folder>

#include "callout.h"

#include "common/program_folder.h"
#include "common/text_file.h"
#include "config/language_file.h"
#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "main_window/resistor_display.h"
#include "ui/click_label.h"
#include "ui/seams.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace
{

// The whole window shows a six-band resistor: brown, black, black, red, brown, red (10 kOhm, 1 %,
// 50 ppm/K); the palette a four-band one: yellow, violet, red, gold (4.7 kOhm, 5 %).
const char *const kSixBandMarking = "6322434";
const char *const kFourBandMarking = "469241";

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

// Settings that name the language and keep a marking; the list words must be that language's.
QStringList settingsFor(const QString &lang, const QStringList &language, const QString &bandWord,
                        const char *marking)
{
    const QString ohm = language.value(14), free = language.value(35);
    return {"[Настройка конфигурации]",
            "Скин:",
            "Default.she",
            "Язык по умолчанию:",
            lang,
            "Координаты формы:",
            free,
            "0",
            "0",
            "Координаты Linkor:",
            free,
            "0",
            "0",
            "Координаты Voltam:",
            free,
            "0",
            "0",
            "Кол-во полос по умолчанию:",
            bandWord,
            "Единицы измерения по умолчанию:",
            ohm,
            "Допуск по умолчанию:",
            "5%",
            "Последняя выбранная единица измерения в Linkora:",
            ohm,
            "Последнее соединение в Linkora:",
            "Параллельное",
            "Округлять результат до ... знаков после точки Linkor:",
            "3",
            "Округлять результат до ... знаков после точки Voltam:",
            "3",
            "Последняя искомая величина Voltamo:",
            "U",
            "Последний резистор:",
            QString::fromLatin1(marking)};
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QPoint topLeftIn(const QWidget *widget, const QWidget *window)
{
    return widget->mapTo(window, QPoint(0, 0));
}

// The whole window, numbered: 1 decoding side, 2 display, 3 encoding side, 4 menu bar.
QImage windowShot(main_window::Form1 &form)
{
    QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter p(&shot);
    const QRect display(topLeftIn(form.picMonitor, &form), form.picMonitor->size());
    const QPoint decoding = topLeftIn(form.Label1, &form);
    const QPoint encoding = topLeftIn(form.Label2, &form);
    artwork::drawCallout(p, QPointF(display.left() - 22, decoding.y() + 9), 1);
    artwork::drawCallout(p, QPointF(display.right() - 18, display.top() + 18), 2);
    artwork::drawCallout(p, QPointF(shot.width() - 22, encoding.y() + 9), 3);
    const QRect help = form.menuBar()->actionGeometry(form.mnuHelp->menuAction());
    artwork::drawCallout(p, QPointF(help.right() + 22, help.center().y() + 1), 4);
    return shot;
}

void drawPointer(QPainter &p, QPointF tip)
{
    QPolygonF arrow({{0, 0}, {0, 17}, {4.5, 13}, {7.5, 20}, {10.5, 18.6}, {7.5, 12}, {13, 12}});
    arrow.translate(tip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
}

// The decoding side of a four-band marking with the multiplier band's palette open and the
// pointer on red.
QImage paletteShot(main_window::Form1 &form)
{
    const int band = 3; // the multiplier
    form.lblPoloska_Click(band);
    const QString red = form.texts.ColourNames[4];
    int entry = -1;
    for (int i = 0; i < int(form.lblColor.size()); ++i)
        if (form.lblColor[i]->parentWidget() == form.picPallete[band] &&
            form.lblColor[i]->text() == red)
            entry = i;
    if (entry >= 0)
        form.lblColor_MouseMove(entry);
    settle(50);

    QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect palette(topLeftIn(form.picPallete[band], &form), form.picPallete[band]->size());
    const QPoint label = topLeftIn(form.Label1, &form);
    // Up to the edge of the decoding side, or a little beyond the palette if it reaches further.
    const int right = std::max(palette.right() + 30, topLeftIn(form.picMonitor, &form).x() - 3);
    const QRect crop(QPoint(0, label.y() - 10),
                     QPoint(std::min(right, shot.width() - 1),
                            std::min(palette.bottom() + 14, shot.height() - 1)));
    {
        QPainter p(&shot);
        const QRect bandLabel(topLeftIn(form.lblPoloska[band], &form),
                              form.lblPoloska[band]->size());
        artwork::drawCallout(p, QPointF(bandLabel.left() - 16, bandLabel.center().y()), 2);
        if (entry >= 0) {
            const QRect e(topLeftIn(form.lblColor[entry], &form), form.lblColor[entry]->size());
            drawPointer(p, QPointF(e.center().x() + e.width() / 4.0, e.center().y() + 2));
            artwork::drawCallout(p, QPointF(palette.right() + 16, e.center().y()), 3);
        }
        const QRect decode(topLeftIn(form.Command1, &form), form.Command1->size());
        artwork::drawCallout(p, QPointF(decode.left() + 18, decode.center().y()), 4);
    }
    form.HidePalettes();
    return shot.copy(crop);
}

bool takeShots(const QString &program, const QString &lang, const QString &suffix)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    for (const char *sub : {"/Data", "/Skin", "/Languages"})
        if (!copyTree(program + QLatin1String(sub), folder.path() + QLatin1String(sub)))
            return false;
    QFile::remove(folder.path() + QStringLiteral("/Data/Settings.dat"));
    common::setProgramFolder(folder.path());
    const QString languagePath =
        common::programPath(QStringLiteral("\\Languages\\") + lang + ".lng");
    const QStringList language = common::readTextLines(languagePath);
    const config::MainWindowTexts texts = config::parseMainWindowTexts(languagePath, language);
    const QString data = program + QStringLiteral("/Data/");

    const auto shoot = [&](const QString &bandWord, const char *marking,
                           QImage (*shot)(main_window::Form1 &), const QString &file) {
        common::writeTextLines(common::userPath(u"\\Data\\Settings.dat"),
                               settingsFor(lang, language, bandWord, marking));
        main_window::Form1 form;
        if (!form.Form_Load())
            return false;
        form.show();
        settle(500); // the timer enables the buttons
        const bool saved = shot(form).save(data + file.arg(suffix));
        form.hide();
        return saved;
    };
    return shoot(texts.BandCountNames[3], kSixBandMarking, windowShot,
                 QStringLiteral("ManualWindow%1.png")) &&
           shoot(texts.BandCountNames[1], kFourBandMarking, paletteShot,
                 QStringLiteral("ManualPalette%1.png"));
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform remarks on every window that it cannot pass size hints on.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    defaultHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_manual_shots <program folder>\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);

    // Nothing may wait for a person here: a message is a failure of the build step.
    QStringList messages;
    ui::setMessageHandler([&](QWidget *, const ui::Message &m) { messages << m.text; });
    ui::setExitHandler([](int) {});

    const struct {
        const char *lang, *suffix;
    } languages[] = {{"Русский", "Ru"}, {"English", "En"}};
    for (const auto &l : languages) {
        if (!takeShots(program, QString::fromUtf8(l.lang), QString::fromLatin1(l.suffix)) ||
            !messages.isEmpty()) {
            std::fprintf(stderr, "make_manual_shots: cannot take the %s pictures. %s\n", l.lang,
                         qPrintable(messages.join(QLatin1Char(' '))));
            return 1;
        }
    }
    return 0;
}
