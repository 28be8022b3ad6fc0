// The Voltamo window on its own temporary program folder, driven through its controls.

#include "ohm_calc/frm_voltam.h"

#include "common/units.h"
#include "config/skin_file.h"
#include "support/failures.h"
#include "support/test_folder.h"
#include "ui/click_label.h"
#include "ui/placement.h"
#include "ui/seams.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using ohm_calc::frmVoltam;
using testing_support::TestFolder;

namespace
{

const QString kRussian = QStringLiteral("\\Languages\\Русский.lng");
const QString kEnglish = QStringLiteral("\\Languages\\English.lng");
const QString kSkin = QStringLiteral("\\Skin\\Default.she");
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// The main window's part: its settings and skin colours, and the messages shown.
struct VoltamFixture {
    VoltamFixture()
    {
        settings.SkinName = QStringLiteral("Default.she");
        settings.Lang = QStringLiteral("Русский");
        settings.LangPos2 = QStringLiteral("Произвольно");
        settings.LangPos1 = QStringLiteral("По центру");
        settings.OmFormCentring = settings.LangPos2;
        settings.OmFormX = 1500;
        settings.OmFormY = 1200;
        settings.OmFormW = 6000;
        settings.OmFormH = 3960;
        settings.OmRound = 3;
        settings.VoltamLastUIR = QStringLiteral("U");
        settings.GlobalPicture = QStringLiteral("Nothing");
        settings.picOm = QStringLiteral("\\Data\\OmTitle.bmp");
        colours.windowBackground = QColor(0xE8, 0xEE, 0xF5);
        colours.labelText = QColor(0x10, 0x20, 0x30);
        colours.textBoxBackground = QColor(0xFF, 0xFF, 0xF0);
        colours.textBoxText = QColor(0x20, 0x20, 0x20);
        colours.buttonBackground = QColor(0xD0, 0xD8, 0xE0);
        colours.font = QStringLiteral("DejaVu Sans");
        ui::setMessageHandler([this](QWidget *, const ui::Message &m) { messages.push_back(m); });
    }
    ~VoltamFixture()
    {
        window.reset();
        ui::setMessageHandler({});
    }

    bool load()
    {
        window = std::make_unique<frmVoltam>(settings, colours);
        return window->Form_Load();
    }
    void truncate(const QString &file, int lineCount) const
    {
        folder.writeLines(file, folder.readLines(file).mid(0, lineCount));
    }
    void editLine(const QString &file, int line, const QString &text) const
    {
        QStringList lines = folder.readLines(file);
        lines[line - 1] = text;
        folder.writeLines(file, lines);
    }
    ui::ClickLabel *letter(const QString &name) const
    {
        return name == QLatin1String("U")   ? window->lblU
               : name == QLatin1String("I") ? window->lblI
                                            : window->lblR;
    }
    void type(QLineEdit *box, const QString &text) const
    {
        box->clear();
        QTest::keyClicks(box, text);
    }

    TestFolder folder;
    config::GlobalSettings settings;
    ui::SkinScheme colours;
    std::vector<ui::Message> messages;
    std::unique_ptr<frmVoltam> window;
};

QColor letterColour(const QLabel *letter)
{
    return letter->palette().color(QPalette::Active, QPalette::WindowText);
}

} // namespace

class FrmVoltamTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void computesTheSoughtQuantity_data();
    void computesTheSoughtQuantity();
    void failureKeepsThePreviousResult();
    void choiceRestoredFromTheSettings_data();
    void choiceRestoredFromTheSettings();
    void reInAfterALanguageChangeRelabelsTheChoice();
    void failedPreparation_data();
    void failedPreparation();
    void failedReInKeepsThePreparedWindow();
    void skinPlacesTheControls();
    void timerAndClosingKeepTheSettingsCurrent();
    void keyboardOrder();
    void deliveredSkinsFitBothLanguages_data();
    void deliveredSkinsFitBothLanguages();
};

void FrmVoltamTest::computesTheSoughtQuantity_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QStringList>("captions"); // lblFirst, lblSecond, Command1
    QTest::addColumn<QString>("result");

    // clang-format off
    QTest::newRow("U from I and R") << "R" << "U" << "2" << "3" << 3
        << QStringList{"Сила тока:", "Сопротивление:", "Напряжение"} << " 6 В";
    QTest::newRow("I from U and R") << "U" << "I" << "5" << "1000" << 3
        << QStringList{"Напряжение:", "Сопротивление:", "Сила тока"} << "0.005 А";
    QTest::newRow("R from U and I") << "U" << "R" << "12" << "0.5" << 3
        << QStringList{"Напряжение:", "Сила тока:", "Сопротивление"} << " 24 Ом";
    QTest::newRow("OmRound 0, half to even") << "I" << "U" << "0.5" << "5" << 0
        << QStringList{"Сила тока:", "Сопротивление:", "Напряжение"} << " 2 В";
    QTest::newRow("grouped digits, comma ends the number") << "U" << "I" << "1 000" << "4,7" << 3
        << QStringList{"Напряжение:", "Сопротивление:", "Сила тока"} << " 250 А";
    // clang-format on
}

void FrmVoltamTest::computesTheSoughtQuantity()
{
    QFETCH(QString, stored);
    QFETCH(QString, click);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, decimals);
    QFETCH(QStringList, captions);
    QFETCH(QString, result);

    VoltamFixture f;
    f.settings.VoltamLastUIR = stored;
    f.settings.OmRound = quint8(decimals);
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    f.type(w->txtFirst, first);
    f.type(w->txtSecond, second);
    QTest::mouseClick(f.letter(click), Qt::LeftButton);

    QCOMPARE(w->soughtLetter(), click);
    for (const QString name : {"U", "I", "R"})
        QCOMPARE(letterColour(f.letter(name)), name == click ? kWhite : kBlack);
    QCOMPARE(QStringList({w->lblFirst->text(), w->lblSecond->text(), w->Command1->text()}),
             captions);
    // A choice neither clears the inputs nor computes.
    QCOMPARE(w->txtFirst->text(), first);
    QCOMPARE(w->txtResult->text(), QString());

    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(w->txtResult->text(), result);
    QVERIFY(f.messages.empty());
    QCOMPARE(f.settings.VoltamLastUIR, click);
}

void FrmVoltamTest::failureKeepsThePreviousResult()
{
    VoltamFixture f;
    f.settings.VoltamLastUIR = QStringLiteral("I");
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    f.type(w->txtFirst, QStringLiteral("5"));
    f.type(w->txtSecond, QStringLiteral("1000"));
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(w->txtResult->text(), QStringLiteral("0.005 А"));

    // Division by zero, and a result beyond the single-precision range (never "inf").
    const std::pair<const char *, const char *> failing[] = {{"5", "0"}, {"1E39", "0.1"}};
    for (const auto &[first, second] : failing) {
        f.messages.clear();
        f.type(w->txtFirst, QString::fromLatin1(first));
        f.type(w->txtSecond, QString::fromLatin1(second));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(f.messages.size(), size_t(1));
        const QStringList lines = f.folder.readLines(kRussian);
        QCOMPARE(f.messages[0].text, lines[47]);
        QCOMPARE(f.messages[0].title, lines[48]);
        QCOMPARE(f.messages[0].icon, ui::MessageIcon::Error);
        QCOMPARE(w->txtResult->text(), QStringLiteral("0.005 А"));
        QCOMPARE(w->txtFirst->text(), QString::fromLatin1(first));
        QCOMPARE(w->txtSecond->text(), QString::fromLatin1(second));
        QCOMPARE(w->soughtLetter(), QStringLiteral("I"));
    }
}

void FrmVoltamTest::choiceRestoredFromTheSettings_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<QString>("button");

    // clang-format off
    QTest::newRow("U") << "U" << "U" << "Напряжение";
    QTest::newRow("I") << "I" << "I" << "Сила тока";
    QTest::newRow("R") << "R" << "R" << "Сопротивление";
    QTest::newRow("empty gives R") << "" << "R" << "Сопротивление";
    QTest::newRow("lower case gives R") << "i" << "R" << "Сопротивление";
    QTest::newRow("any other text gives R") << "Volt" << "R" << "Сопротивление";
    // clang-format on
}

void FrmVoltamTest::choiceRestoredFromTheSettings()
{
    QFETCH(QString, stored);
    QFETCH(QString, sought);
    QFETCH(QString, button);

    VoltamFixture f;
    f.settings.VoltamLastUIR = stored;
    QVERIFY(f.load());
    QCOMPARE(f.window->soughtLetter(), sought);
    QCOMPARE(f.window->Command1->text(), button);
    for (const QString name : {"U", "I", "R"}) {
        QCOMPARE(letterColour(f.letter(name)), name == sought ? kWhite : kBlack);
        QCOMPARE(f.letter(name)->cursor().shape(), Qt::PointingHandCursor);
    }
    QVERIFY(f.window->Timer1->isActive());
    QCOMPARE(f.window->Timer1->interval(), 300);
}

void FrmVoltamTest::reInAfterALanguageChangeRelabelsTheChoice()
{
    VoltamFixture f;
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    QTest::mouseClick(w->lblI, Qt::LeftButton);
    f.type(w->txtFirst, QStringLiteral("6"));
    f.type(w->txtSecond, QStringLiteral("3"));
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(w->txtResult->text(), QStringLiteral(" 2 А"));

    // The options dialog changes the language, then prepares the window again at once.
    f.settings.Lang = QStringLiteral("English");
    QVERIFY(w->ReIn());
    QCOMPARE(w->soughtLetter(), QStringLiteral("I"));
    QCOMPARE(w->lblFirst->text(), QStringLiteral("Voltage:"));
    QCOMPARE(w->lblSecond->text(), QStringLiteral("Resistance:"));
    QCOMPARE(w->Command1->text(), QStringLiteral("Current"));
    QCOMPARE(w->lblI->toolTip(), QStringLiteral("Find the current: I = U / R"));
    QCOMPARE(letterColour(w->lblI), kWhite);
    QCOMPARE(w->txtFirst->text(), QStringLiteral("6"));
    QCOMPARE(w->txtSecond->text(), QStringLiteral("3"));
    QCOMPARE(w->txtResult->text(), QStringLiteral(" 2 А"));
    // The next result takes the new language's unit.
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(w->txtResult->text(), QStringLiteral(" 2 A"));
}

void FrmVoltamTest::failedPreparation_data()
{
    QTest::addColumn<QString>("file");       // the file to break
    QTest::addColumn<int>("keepLines");      // -1: remove it
    QTest::addColumn<QString>("background"); // GlobalPicture
    QTest::addColumn<QString>("named");      // the message names this
    QTest::addColumn<int>("line");           // and this line (0: none)

    const QString none = QStringLiteral("Nothing");
    // clang-format off
    QTest::newRow("language file missing") << kRussian << -1 << none << "Русский.lng" << 0;
    QTest::newRow("language file ends at 48") << kRussian << 48 << none << "Русский.lng" << 49;
    QTest::newRow("language file ends at 14") << kRussian << 14 << none << "Русский.lng" << 15;
    QTest::newRow("skin file missing") << kSkin << -1 << none << "Default.she" << 0;
    QTest::newRow("skin ends at 427") << kSkin << 427 << none << "Default.she" << 428;
    QTest::newRow("skin ends in the Linkora part") << kSkin << 300 << none << "Default.she" << 301;
    QTest::newRow("law picture missing") << "\\Data\\UIR.jpg" << -1 << none << "UIR.jpg" << 0;
    QTest::newRow("title picture missing") << "\\Data\\OmTitle.bmp" << -1 << none << "OmTitle.bmp"
                                           << 0;
    QTest::newRow("background picture missing") << QString() << -1 << "\\Data\\Gone.jpg"
                                                << "Gone.jpg" << 0;
    // clang-format on
}

void FrmVoltamTest::failedPreparation()
{
    QFETCH(QString, file);
    QFETCH(int, keepLines);
    QFETCH(QString, background);
    QFETCH(QString, named);
    QFETCH(int, line);

    VoltamFixture f;
    if (!file.isEmpty()) {
        if (keepLines < 0)
            f.folder.remove(file);
        else
            f.truncate(file, keepLines);
    }
    f.settings.GlobalPicture = background;
    QVERIFY(!f.load());
    QCOMPARE(f.messages.size(), size_t(1));
    const QString text = f.messages[0].text;
    QVERIFY2(text.contains(named), qPrintable(text));
    if (line > 0)
        QVERIFY2(testing_support::namesLine(text, line), qPrintable(text));
    // Nothing of the preparation was applied: the design captions, no timer.
    QCOMPARE(f.window->Command1->text(), QStringLiteral("Считать"));
    QVERIFY(f.window->picUIR->pixmap().isNull());
    QVERIFY(!f.window->Timer1->isActive());
}

void FrmVoltamTest::failedReInKeepsThePreparedWindow()
{
    VoltamFixture f;
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    const QRect geometry = w->geometry();
    f.truncate(kEnglish, 45);
    f.settings.Lang = QStringLiteral("English");
    f.settings.OmFormX = 3000;
    QVERIFY(!w->ReIn());
    QCOMPARE(f.messages.size(), size_t(1));
    QVERIFY(testing_support::namesLine(f.messages[0].text, 46));
    QCOMPARE(w->Command1->text(), QStringLiteral("Напряжение"));
    QCOMPARE(w->geometry(), geometry);
    QVERIFY(w->Timer1->isActive());
    // The window still computes in the language it was prepared in.
    f.type(w->txtFirst, QStringLiteral("2"));
    f.type(w->txtSecond, QStringLiteral("3"));
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(w->txtResult->text(), QStringLiteral(" 6 В"));
}

void FrmVoltamTest::skinPlacesTheControls()
{
    VoltamFixture f;
    f.editLine(kSkin, 367, QStringLiteral("300"));  // picOmTitle left
    f.editLine(kSkin, 371, QStringLiteral("1050")); // picUIR top
    f.editLine(kSkin, 373, QStringLiteral("1500")); // lblU left, top, size, bold
    f.editLine(kSkin, 374, QStringLiteral("1200"));
    f.editLine(kSkin, 375, QStringLiteral("24"));
    f.editLine(kSkin, 376, QStringLiteral("False"));
    for (int i = 0; i < 6; ++i) // Command1: L, T, W, H, size, bold
        f.editLine(kSkin, 423 + i, QStringList{"3015", "2700", "2400", "450", "11", "True"}[i]);
    f.editLine(kSkin, 402, QStringLiteral("abc")); // txtFirst left: no number reads as 0
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();

    QCOMPARE(w->picOmTitle->x(), 20);
    QCOMPARE(w->picUIR->y(), 70);
    QCOMPARE(w->lblU->pos(), QPoint(100, 80));
    QCOMPARE(w->lblU->font().pointSizeF(), 24.0);
    QVERIFY(!w->lblU->font().bold());
    QVERIFY(w->lblU->width() > 0 && w->lblU->height() > 0);
    QCOMPARE(w->Command1->geometry(), QRect(201, 180, 160, 30));
    QCOMPARE(w->Command1->font().pointSizeF(), 11.0);
    QVERIFY(w->Command1->font().bold());
    QCOMPARE(w->Command1->font().family(), f.colours.font);
    QCOMPARE(w->txtFirst->x(), 0);
    QCOMPARE(w->txtFirst->maxLength(), 10);
    QVERIFY(w->txtResult->isReadOnly());
    // The window from the settings, the colours from the main window's skin.
    QCOMPARE(w->pos(), QPoint(100, 80));
    QCOMPARE(w->size(), QSize(400, 264));
    QCOMPARE(w->txtFirst->palette().color(QPalette::Active, QPalette::Base),
             f.colours.textBoxBackground);
    QCOMPARE(w->lblFirst->palette().color(QPalette::Active, QPalette::WindowText),
             f.colours.labelText);
    // The letters lie over the picture.
    w->show();
    QVERIFY(w->lblU->geometry().intersects(w->picUIR->geometry()));
    QCOMPARE(w->picUIR->parentWidget()->childAt(w->lblR->geometry().center()), w->lblR);
}

void FrmVoltamTest::timerAndClosingKeepTheSettingsCurrent()
{
    VoltamFixture f;
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    w->show();

    // Free placement: the position is remembered in twips.
    w->move(123, 45);
    QTest::mouseClick(w->lblR, Qt::LeftButton);
    w->Timer1_Timer();
    QCOMPARE(f.settings.OmFormX, float(common::pixelsToTwips(w->pos().x())));
    QCOMPARE(f.settings.OmFormY, float(common::pixelsToTwips(w->pos().y())));
    QCOMPARE(f.settings.VoltamLastUIR, QStringLiteral("R"));

    // Closing right after a move keeps it too.
    w->move(200, 60);
    QTest::mouseClick(w->lblI, Qt::LeftButton);
    f.settings.VoltamLastUIR = QStringLiteral("stale");
    w->close();
    QCOMPARE(f.settings.OmFormX, float(common::pixelsToTwips(w->pos().x())));
    QCOMPARE(f.settings.VoltamLastUIR, QStringLiteral("I"));

    // Centred: a window dragged elsewhere returns to the centre at the next tick, and the
    // remembered free position is left alone.
    f.settings.OmFormCentring = f.settings.LangPos1;
    const float rememberedX = f.settings.OmFormX;
    w->show();
    w->move(5, 5);
    QTRY_VERIFY_WITH_TIMEOUT(w->pos() == ui::centredPosition(w), 2000);
    QVERIFY(w->pos() != QPoint(5, 5));
    QCOMPARE(f.settings.OmFormX, rememberedX);
}

void FrmVoltamTest::keyboardOrder()
{
    VoltamFixture f;
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->txtFirst->setFocus();
    QCOMPARE(QApplication::focusWidget(), w->txtFirst);
    for (QWidget *next :
         {static_cast<QWidget *>(w->txtSecond), static_cast<QWidget *>(w->Command1),
          static_cast<QWidget *>(w->txtResult), static_cast<QWidget *>(w->lblU),
          static_cast<QWidget *>(w->lblI), static_cast<QWidget *>(w->lblR),
          static_cast<QWidget *>(w->txtFirst)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Choosing I and computing with the keys alone.
    const auto keys = [](auto... key) { (QTest::keyClick(QApplication::focusWidget(), key), ...); };
    keys(Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab);
    QCOMPARE(w->soughtLetter(), QStringLiteral("I"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->lblI)->text(QAccessible::Name), QStringLiteral("Сила тока"));
    keys(Qt::Key_5, Qt::Key_Tab, Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_0, Qt::Key_Tab, Qt::Key_Space);
    QCOMPARE(w->txtResult->text(), QStringLiteral("0.005 А"));
}

void FrmVoltamTest::deliveredSkinsFitBothLanguages_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("language");
    for (const char *skin : {"Default.she", "Dark.she"})
        for (const char *language : {"Русский", "English"})
            QTest::newRow(qPrintable(
                QStringLiteral("%1, %2").arg(QString::fromUtf8(skin), QString::fromUtf8(language))))
                << QString::fromUtf8(skin) << QString::fromUtf8(language);
}

void FrmVoltamTest::deliveredSkinsFitBothLanguages()
{
    QFETCH(QString, skin);
    QFETCH(QString, language);

    VoltamFixture f;
    const config::MainWindowSkin main = config::readMainWindowSkin(config::skinFilePath(skin));
    f.settings.SkinName = skin;
    f.settings.Lang = language;
    f.settings.OmFormW = main.OmFormW;
    f.settings.OmFormH = main.OmFormH;
    f.settings.picOm = main.picOm;
    f.settings.GlobalPicture = main.GlobalPicture;
    f.colours.font = main.GeneralFont;
    QVERIFY(f.load());
    frmVoltam *w = f.window.get();
    w->show();

    const QRect surface = w->picUIR->parentWidget()->rect();
    const QList<QWidget *> controls = {w->picOmTitle, w->lblFirst, w->txtFirst, w->lblSecond,
                                       w->txtSecond,  w->Command1, w->txtResult};
    for (const QString letter : {"U", "I", "R"}) {
        QTest::mouseClick(f.letter(letter), Qt::LeftButton);
        f.type(w->txtFirst, QStringLiteral("-12345678"));
        f.type(w->txtSecond, QStringLiteral("1"));
        QTest::mouseClick(w->Command1, Qt::LeftButton); // the longest kind of result
        for (QWidget *c : controls + QList<QWidget *>{w->picUIR}) {
            QVERIFY2(surface.contains(c->geometry()), qPrintable(c->objectName()));
            for (QWidget *other : controls)
                QVERIFY2(c == other || !c->geometry().intersects(other->geometry()),
                         qPrintable(c->objectName() + QLatin1Char('/') + other->objectName()));
        }
        for (QWidget *c : {f.letter(QStringLiteral("U")), f.letter(QStringLiteral("I")),
                           f.letter(QStringLiteral("R"))})
            QVERIFY2(w->picUIR->geometry().contains(c->geometry()), qPrintable(c->objectName()));
        for (QWidget *c :
             {static_cast<QWidget *>(w->lblFirst), static_cast<QWidget *>(w->lblSecond),
              static_cast<QWidget *>(w->Command1)})
            QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(c->objectName()));
        const QString result = w->txtResult->text();
        QVERIFY2(result.size() > 10, qPrintable(result));
        QVERIFY2(w->txtResult->fontMetrics().horizontalAdvance(result) + 12 <=
                     w->txtResult->width(),
                 qPrintable(result));
    }
}

QTEST_MAIN(FrmVoltamTest)
#include "frm_voltam_test.moc"
