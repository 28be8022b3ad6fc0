// frmLinkor on its own temporary program folder, driven through its real controls.

#include "common/units.h"
#include "config/language_file.h"
#include "config/skin_file.h"
#include "connection_calc/linkora_window.h"
#include "support/test_folder.h"
#include "ui/click_label.h"
#include "ui/placement.h"
#include "ui/seams.h"

#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using connection_calc::frmLinkor;
using testing_support::TestFolder;

namespace
{

const QString kRussian = QStringLiteral("\\Languages\\Русский.lng");
const QString kDefaultSkin = QStringLiteral("\\Skin\\Default.she");

// The settings and colours the main window hands the window, taken from the delivered files
// as the main window's load would take them.
class LinkoraFixture
{
public:
    LinkoraFixture()
    {
        ui::setMessageHandler([this](QWidget *, const ui::Message &m) { messages.push_back(m); });
        const config::MainWindowSkin skin =
            config::readMainWindowSkin(config::skinFilePath(QStringLiteral("Default.she")));
        const config::MainWindowTexts texts =
            config::readMainWindowTexts(config::languageFilePath(QStringLiteral("Русский")));
        settings.SkinName = QStringLiteral("Default.she");
        settings.Lang = QStringLiteral("Русский");
        settings.LangPos1 = texts.LangPos1;
        settings.LangPos2 = texts.LangPos2;
        settings.ConnectFormCentring = texts.LangPos2;
        settings.ConnectFormX = 1500;
        settings.ConnectFormY = 900;
        settings.ConnectFormW = skin.ConnectFormW;
        settings.ConnectFormH = skin.ConnectFormH;
        settings.LastResistInCon = QStringLiteral("кОм");
        settings.LastConnect = QStringLiteral("Параллельное");
        settings.ConRound = 3;
        settings.ShapeColor = skin.ShapeColor;
        settings.ButtonColor = skin.ButtonColor;
        settings.TextBoxColorCon = skin.TextBoxColours[1];
        settings.ComboBoxColorCon = skin.ComboBoxColours[1];
        settings.GeneralFont = skin.GeneralFont;
        settings.GlobalPicture = skin.GlobalPicture;
        settings.picCon = skin.picCon;
        settings.shpRCRamkaC = skin.shpRCRamkaC;
        settings.shpRCRamkaT = 3;
        colours.windowBackground = common::colourFromValue(skin.WindowColour);
        colours.labelText = QColor(0x12, 0x34, 0x56);
        colours.textBoxText = QColor(0x23, 0x45, 0x67);
        colours.dropDownText = QColor(0x34, 0x56, 0x78);
    }
    ~LinkoraFixture()
    {
        delete window.data();
        ui::setMessageHandler({});
    }

    // Creates and prepares the window, and shows it when asked.
    bool open(bool show = true)
    {
        window = new frmLinkor(settings, colours);
        const bool prepared = window->Form_Load();
        if (prepared && show) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window.data()))
                return false;
        }
        return prepared;
    }

    void add(const QString &nominal, const QString &unit)
    {
        window->cmbEdinIz->setCurrentIndex(window->cmbEdinIz->findText(unit));
        QTest::keyClicks(window->txtNominal, nominal);
        QTest::mouseClick(window->cmdAdd, Qt::LeftButton);
    }

    void clickEntry(int row)
    {
        QListWidget *list = window->lstResistors;
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    void truncate(const QString &file, int lineCount) const
    {
        folder.writeLines(file, folder.readLines(file).mid(0, lineCount));
    }

    TestFolder folder;
    config::GlobalSettings settings;
    ui::SkinScheme colours;
    QPointer<frmLinkor> window;
    std::vector<ui::Message> messages;
};

struct ButtonStates {
    bool add, remove, clear, calc;
    bool operator==(const ButtonStates &) const = default;
};

ButtonStates states(const frmLinkor *w)
{
    return {w->cmdAdd->isEnabled(), w->cmdRemove->isEnabled(), w->cmdClear->isEnabled(),
            w->cmdCalc->isEnabled()};
}

char *describe(const ButtonStates &s)
{
    return QTest::toString(QStringLiteral("add %1 remove %2 clear %3 calc %4")
                               .arg(s.add)
                               .arg(s.remove)
                               .arg(s.clear)
                               .arg(s.calc));
}

// The frame surrounds the picture, 20 twips out on each side.
QRect expectedFrame(const QWidget *picture)
{
    const QRect g = picture->geometry();
    return {common::twipsToPixels(g.x() * 15.0 - 20), common::twipsToPixels(g.y() * 15.0 - 20),
            common::twipsToPixels(g.width() * 15.0 + 40),
            common::twipsToPixels(g.height() * 15.0 + 40)};
}

} // namespace

namespace QTest
{
template <> char *toString(const ButtonStates &s)
{
    return describe(s);
}
} // namespace QTest

class LinkoraWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preparedFromSettingsLanguageAndSkin()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        QVERIFY(f.messages.empty());
        QCOMPARE(w->objectName(), QStringLiteral("frmLinkor"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Linkora"));
        for (const char *name : {"picConTitle", "Label1", "txtNominal", "cmbEdinIz", "cmdAdd",
                                 "lstResistors", "cmdRemove", "cmdClear", "picParal", "picPosled",
                                 "shpSelect", "cmdCalc", "lblResult", "txtResult"})
            QVERIFY2(w->findChild<QWidget *>(QLatin1String(name)), name);
        QCOMPARE(w->Timer1->objectName(), QStringLiteral("Timer1"));
        QCOMPARE(w->Timer1->interval(), 200);
        QVERIFY(w->Timer1->isActive());

        // Language: unit names of lines 15-19, captions and tooltips of lines 50-64.
        QStringList units;
        for (int i = 0; i < w->cmbEdinIz->count(); ++i)
            units << w->cmbEdinIz->itemText(i);
        QCOMPARE(units, (QStringList{"Ом", "кОм", "МОм", "ГОм", "ТОм"}));
        QCOMPARE(w->cmdAdd->text(), QStringLiteral("Добавить"));
        QCOMPARE(w->cmdClear->text(), QStringLiteral("Удалить всё"));
        QCOMPARE(w->cmdCalc->text(), QStringLiteral("Расчёт"));
        QCOMPARE(w->lblResult->text(), QStringLiteral("Результат:"));
        QCOMPARE(w->Label1->text(), QStringLiteral("Введите номинал резистора:"));
        QCOMPARE(w->picPosled->toolTip(), QStringLiteral("Последовательное соединение"));
        QCOMPARE(w->cmdCalc->toolTip(), QStringLiteral("Рассчитать общее сопротивление цепи"));

        // Settings: the remembered unit and mode, the size and place.
        QCOMPARE(w->cmbEdinIz->currentText(), QStringLiteral("кОм"));
        QCOMPARE(f.settings.LastConnect, QStringLiteral("Параллельное"));
        QCOMPARE(w->shpSelect->geometry(), expectedFrame(w->picParal));
        QCOMPARE(w->shpSelect->lineWidth(), 3);
        QCOMPARE(w->size(), QSize(common::twipsToPixels(f.settings.ConnectFormW),
                                  common::twipsToPixels(f.settings.ConnectFormH)));
        QCOMPARE(w->pos(), QPoint(100, 60));
        QVERIFY(!w->picConTitle->pixmap().isNull());
        QCOMPARE(w->picParal->pixmap().size(), QSize(96, 96));
        QCOMPARE(w->picPosled->pixmap().size(), QSize(96, 96));
        QCOMPARE(w->picParal->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w->picPosled->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w->txtNominal->maxLength(), 9);
        QVERIFY(w->txtResult->isReadOnly());
        QCOMPARE(states(w), (ButtonStates{false, false, false, false}));

        // Skin: places of the Linkora section, colours by kind of control.
        const config::LinkoraSkin skin = config::readLinkoraSkin(f.folder.file(kDefaultSkin));
        QCOMPARE(w->cmdCalc->geometry().topLeft(),
                 QPoint(common::twipsToPixels(skin.cmdCalc.rect.left),
                        common::twipsToPixels(skin.cmdCalc.rect.top)));
        QCOMPARE(w->cmdCalc->font().bold(), skin.cmdCalc.bold);
        QCOMPARE(w->picPosled->pos(), QPoint(common::twipsToPixels(skin.picPosled.left),
                                             common::twipsToPixels(skin.picPosled.top)));
        QCOMPARE(w->Label1->palette().color(QPalette::WindowText), f.colours.labelText);
        QCOMPARE(w->txtNominal->palette().color(QPalette::Text), f.colours.textBoxText);
        QCOMPARE(w->lstResistors->palette().color(QPalette::Text), f.colours.dropDownText);
        QCOMPARE(w->cmbEdinIz->palette().color(QPalette::Base),
                 common::colourFromValue(f.settings.ComboBoxColorCon));
        QCOMPARE(w->shpSelect->palette().color(QPalette::WindowText),
                 common::colourFromValue(f.settings.shpRCRamkaC));
        QCOMPARE(w->cmdAdd->font().family(), f.settings.GeneralFont);
    }

    void keyboardOrder()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        const QList<QWidget *> expected = {w->txtNominal, w->cmbEdinIz, w->cmdAdd,  w->lstResistors,
                                           w->cmdRemove,  w->cmdClear,  w->cmdCalc, w->txtResult,
                                           w->picParal,   w->picPosled};
        QList<QWidget *> chain;
        QWidget *next = w->txtNominal;
        do {
            if (expected.contains(next))
                chain << next;
            next = next->nextInFocusChain();
        } while (next != w->txtNominal && chain.size() < 20);
        QCOMPARE(chain, expected);
    }

    void rememberedValuesThatMatchNothing()
    {
        LinkoraFixture f;
        f.settings.LastConnect = QStringLiteral("Parallel");
        f.settings.LastResistInCon = QStringLiteral("kOhm");
        QVERIFY(f.open());
        QCOMPARE(f.settings.LastConnect, QStringLiteral("Последовательное"));
        QCOMPARE(f.window->shpSelect->geometry(), expectedFrame(f.window->picPosled));
        QCOMPARE(f.window->cmbEdinIz->currentIndex(), 0);
        f.window->Timer1_Timer();
        QCOMPARE(f.settings.LastResistInCon, QStringLiteral("Ом"));
    }

    void addingRemovingAndClearing()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        QTest::keyClicks(w->txtNominal, QStringLiteral("4.7"));
        QVERIFY(w->cmdAdd->isEnabled());
        w->txtResult->setText(QStringLiteral("kept"));
        QTest::mouseClick(w->cmdAdd, Qt::LeftButton);
        QCOMPARE(w->entries(), QStringList{"4.7 кОм"});
        QCOMPARE(w->txtNominal->text(), QString());
        QCOMPARE(w->txtResult->text(), QStringLiteral("kept"));
        QCOMPARE(states(w), (ButtonStates{false, false, false, false}));
        w->Timer1_Timer();
        QCOMPARE(states(w), (ButtonStates{false, false, true, false}));

        // Enter in the nominal box adds too; the unit is the one shown at that moment.
        w->cmbEdinIz->setCurrentIndex(0);
        QTest::keyClicks(w->txtNominal, QStringLiteral("100"));
        QTest::keyClick(w->txtNominal, Qt::Key_Return);
        f.add(QStringLiteral("2"), QStringLiteral("МОм"));
        QCOMPARE(w->entries(), (QStringList{"4.7 кОм", "100 Ом", "2 МОм"}));
        w->Timer1_Timer();
        QCOMPARE(states(w), (ButtonStates{false, false, true, true}));

        // Choosing an entry with the keyboard counts as a click on the list.
        w->lstResistors->setFocus();
        QTest::keyClick(w->lstResistors, Qt::Key_Down);
        QCOMPARE(states(w), (ButtonStates{false, true, true, true}));
        f.clickEntry(1);
        QTest::mouseClick(w->cmdRemove, Qt::LeftButton);
        QCOMPARE(w->entries(), (QStringList{"4.7 кОм", "2 МОм"}));
        QCOMPARE(w->txtResult->text(), QString());
        // Nothing selected now: the button stays enabled and a click only empties the result.
        QVERIFY(w->lstResistors->selectedItems().isEmpty());
        w->txtResult->setText(QStringLiteral("kept"));
        QTest::mouseClick(w->cmdRemove, Qt::LeftButton);
        QCOMPARE(w->entries().size(), 2);
        QCOMPARE(w->txtResult->text(), QString());
        QVERIFY(w->cmdRemove->isEnabled());

        // Removing the last entries: "Удалить" at once, the others at the next tick.
        f.clickEntry(0);
        QTest::mouseClick(w->cmdRemove, Qt::LeftButton);
        w->Timer1_Timer();
        QCOMPARE(states(w), (ButtonStates{false, true, true, false}));
        f.clickEntry(0);
        QTest::mouseClick(w->cmdRemove, Qt::LeftButton);
        QCOMPARE(w->entries(), QStringList());
        QCOMPARE(states(w), (ButtonStates{false, false, true, false}));
        w->Timer1_Timer();
        QCOMPARE(states(w), (ButtonStates{false, false, false, false}));

        // Clearing.
        f.add(QStringLiteral("1"), QStringLiteral("Ом"));
        f.add(QStringLiteral("2"), QStringLiteral("Ом"));
        w->Timer1_Timer();
        w->txtResult->setText(QStringLiteral("kept"));
        f.clickEntry(1);
        QTest::mouseClick(w->cmdClear, Qt::LeftButton);
        QCOMPARE(w->lstResistors->count(), 0);
        QCOMPARE(w->txtResult->text(), QString());
        QVERIFY(!w->cmdClear->isEnabled());
        QVERIFY(w->cmdCalc->isEnabled()); // until the next tick
        w->Timer1_Timer();
        QCOMPARE(states(w), (ButtonStates{false, false, false, false}));
    }

    void bothModes()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        f.add(QStringLiteral("100"), QStringLiteral("Ом"));
        f.add(QStringLiteral("1"), QStringLiteral("кОм"));
        w->Timer1_Timer();

        QTest::mouseClick(w->picPosled, Qt::LeftButton);
        QCOMPARE(f.settings.LastConnect, QStringLiteral("Последовательное"));
        QCOMPARE(w->shpSelect->geometry(), expectedFrame(w->picPosled));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 1.1 кОм"));

        // A change of mode keeps the result until the next calculation.
        QTest::mouseClick(w->picParal, Qt::LeftButton);
        QCOMPARE(f.settings.LastConnect, QStringLiteral("Параллельное"));
        QCOMPARE(w->shpSelect->geometry(), expectedFrame(w->picParal));
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 1.1 кОм"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 90.909 Ом"));

        // The pictures answer the keyboard as well.
        w->picPosled->setFocus();
        QTest::keyClick(w->picPosled, Qt::Key_Space);
        QCOMPARE(f.settings.LastConnect, QStringLiteral("Последовательное"));

        f.settings.ConRound = 0;
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 1 кОм"));
        QVERIFY(f.messages.empty());
    }

    void failureKeepsThePreviousResult_data()
    {
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<QString>("nominal");
        QTest::newRow("zero in parallel") << true << "0";
        QTest::newRow("inner blank in series") << false << "4 7";
        QTest::newRow("inner blank in parallel") << true << "4 7";
        QTest::newRow("beyond the double range") << false << "1E999";
    }

    void failureKeepsThePreviousResult()
    {
        QFETCH(bool, parallel);
        QFETCH(QString, nominal);
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        QTest::mouseClick(parallel ? w->picParal : w->picPosled, Qt::LeftButton);
        f.add(QStringLiteral("2"), QStringLiteral("кОм"));
        f.add(QStringLiteral("2"), QStringLiteral("кОм"));
        w->Timer1_Timer();
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        const QString before = w->txtResult->text();
        QCOMPARE(before, parallel ? QStringLiteral(" 1 кОм") : QStringLiteral(" 4 кОм"));

        f.add(nominal, QStringLiteral("Ом"));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(f.messages.size(), std::size_t(1));
        QCOMPARE(f.messages[0].text, QStringLiteral("Сопротивление введено неправильно!"));
        QCOMPARE(f.messages[0].title, QStringLiteral("Ошибка!"));
        QCOMPARE(f.messages[0].icon, ui::MessageIcon::Error);
        QCOMPARE(w->txtResult->text(), before);
        QCOMPARE(w->entries().size(), 3);

        // Without the faulty entry the next calculation is right again.
        f.clickEntry(2);
        QTest::mouseClick(w->cmdRemove, Qt::LeftButton);
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->txtResult->text(), before);
        QCOMPARE(f.messages.size(), std::size_t(1));
    }

    void entryWithoutANumberCountsZeroInSeries()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        QTest::mouseClick(f.window->picPosled, Qt::LeftButton);
        f.add(QStringLiteral("abc"), QStringLiteral("Ом"));
        f.add(QStringLiteral("5"), QStringLiteral("Ом"));
        f.window->Timer1_Timer();
        QTest::mouseClick(f.window->cmdCalc, Qt::LeftButton);
        QCOMPARE(f.window->txtResult->text(), QStringLiteral(" 5 Ом"));
        QVERIFY(f.messages.empty());
    }

    void reInAfterALanguageChangeKeepsTheEntries()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        QTest::mouseClick(w->picPosled, Qt::LeftButton);
        f.add(QStringLiteral("4.7"), QStringLiteral("кОм"));
        f.add(QStringLiteral("300"), QStringLiteral("Ом"));
        f.add(QStringLiteral("1"), QStringLiteral("МОм"));
        w->Timer1_Timer();
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 1.005 МОм"));
        QTest::keyClicks(w->txtNominal, QStringLiteral("12"));
        const auto name = [](QWidget *c) { return QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name); };
        QCOMPARE(name(w->picParal), QStringLiteral("Параллельное соединение"));
        QCOMPARE(name(w->cmbEdinIz), QStringLiteral("Единица: МОм"));

        const config::MainWindowTexts english =
            config::readMainWindowTexts(config::languageFilePath(QStringLiteral("English")));
        f.settings.Lang = QStringLiteral("English");
        f.settings.LangPos1 = english.LangPos1;
        f.settings.LangPos2 = english.LangPos2;
        f.settings.LastResistInCon = QStringLiteral("MOhm");
        QVERIFY(w->ReIn());
        QVERIFY(f.messages.empty());
        QCOMPARE(w->entries(), (QStringList{"4.7 kOhm", "300 Ohm", "1 MOhm"}));
        QCOMPARE(w->cmdCalc->text(), QStringLiteral("Calculate"));
        QCOMPARE(w->lblResult->text(), QStringLiteral("Result:"));
        QCOMPARE(name(w->picParal), QStringLiteral("Parallel connection"));
        QCOMPARE(name(w->picPosled), QStringLiteral("Series connection"));
        QCOMPARE(w->cmbEdinIz->currentText(), QStringLiteral("MOhm"));
        // The result and the nominal being typed stay; the buttons wait for the timer.
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 1.005 МОм"));
        QCOMPARE(w->txtNominal->text(), QStringLiteral("12"));
        QCOMPARE(states(w), (ButtonStates{false, false, false, false}));
        w->Timer1_Timer();
        QCOMPARE(states(w), (ButtonStates{false, false, true, true}));
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
        QCOMPARE(w->txtResult->text(), QStringLiteral(" 1.005 MOhm"));

        // The same language again changes nothing.
        QVERIFY(w->ReIn());
        QCOMPARE(w->entries(), (QStringList{"4.7 kOhm", "300 Ohm", "1 MOhm"}));
    }

    void reInWithAnotherSkinMovesTheControlsAndTheFrame()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        f.add(QStringLiteral("1"), QStringLiteral("Ом"));
        // Move the series picture (lines 323-324) and make it the mode.
        QStringList skin = f.folder.readLines(kDefaultSkin);
        skin[322] = QStringLiteral("300");
        skin[323] = QStringLiteral("3300");
        f.folder.writeLines(QStringLiteral("\\Skin\\Moved.she"), skin);
        QTest::mouseClick(w->picPosled, Qt::LeftButton);
        f.settings.SkinName = QStringLiteral("Moved.she");
        QVERIFY(w->ReIn());
        QCOMPARE(w->picPosled->pos(), QPoint(20, 220));
        QCOMPARE(w->shpSelect->geometry(), expectedFrame(w->picPosled));
        QCOMPARE(w->entries(), QStringList{"1 Ом"});
    }

    // A missing or short file, or a missing picture: the user is told which file (and line),
    // the window is not prepared half-way.
    void brokenFilesAreNamed_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("keep"); // lines kept; -1 removes the file
        QTest::addColumn<QString>("named");
        QTest::newRow("language missing") << kRussian << -1 << "Русский.lng";
        QTest::newRow("language ends at line 63") << kRussian << 63 << "line 64";
        QTest::newRow("language ends before the units") << kRussian << 16 << "line 17";
        QTest::newRow("skin missing") << kDefaultSkin << -1 << "Default.she";
        QTest::newRow("skin ends at line 364") << kDefaultSkin << 364 << "line 365";
        QTest::newRow("skin ends before its section") << kDefaultSkin << 200 << "line 201";
        QTest::newRow("parallel picture") << "\\Data\\Connect1.bmp" << -1 << "Connect1.bmp";
        QTest::newRow("series picture") << "\\Data\\Connect2.bmp" << -1 << "Connect2.bmp";
        QTest::newRow("title picture") << "\\Data\\ConTitle.bmp" << -1 << "ConTitle.bmp";
    }

    void brokenFilesAreNamed()
    {
        QFETCH(QString, file);
        QFETCH(int, keep);
        QFETCH(QString, named);
        {
            // At the first preparation: the window does not come up.
            LinkoraFixture f;
            keep < 0 ? f.folder.remove(file) : f.truncate(file, keep);
            QVERIFY(!f.open(false));
            QCOMPARE(f.messages.size(), std::size_t(1));
            QVERIFY2(f.messages[0].text.contains(named), qPrintable(f.messages[0].text));
            QVERIFY(!f.window->loaded());
            QVERIFY(!f.window->Timer1->isActive());
        }
        {
            // At ReIn of an open window: it stays as it was, entries and captions alike.
            LinkoraFixture f;
            QVERIFY(f.open());
            f.add(QStringLiteral("3"), QStringLiteral("кОм"));
            keep < 0 ? f.folder.remove(file) : f.truncate(file, keep);
            f.window->Timer1_Timer();
            QVERIFY(!f.window->ReIn());
            QCOMPARE(f.messages.size(), std::size_t(1));
            QVERIFY(f.messages[0].text.contains(named));
            QCOMPARE(f.window->entries(), QStringList{"3 кОм"});
            QCOMPARE(f.window->cmdAdd->text(), QStringLiteral("Добавить"));
            QCOMPARE(f.window->cmbEdinIz->count(), 5);
            QVERIFY(f.window->cmdClear->isEnabled());
        }
    }

    void backgroundPicture()
    {
        LinkoraFixture f;
        f.settings.GlobalPicture = QStringLiteral("\\Data\\Missing.jpg");
        QVERIFY(!f.open(false));
        QVERIFY(f.messages.back().text.contains(QStringLiteral("Missing.jpg")));
        f.settings.GlobalPicture = QStringLiteral("\\Data\\Intro.jpg");
        QVERIFY(f.window->Form_Load());
    }

    // No language-file line says it: the language in use speaks, or both for another.
    void preparationFailureInTheLanguageInUse_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("lead");
        const QString ru = "Linkora: окно не может быть подготовлено.\n";
        const QString en = "Linkora: the window cannot be prepared.\n";
        QTest::newRow("Russian") << "Русский" << ru + "\n";
        QTest::newRow("English") << "English" << en + "\n";
        QTest::newRow("another language") << "Deutsch" << ru + en + "\n";
    }

    void preparationFailureInTheLanguageInUse()
    {
        QFETCH(QString, lang);
        QFETCH(QString, lead);
        LinkoraFixture f;
        f.settings.Lang = lang;
        f.settings.GlobalPicture = QStringLiteral("\\Data\\Missing.jpg");
        QVERIFY(!f.open(false));
        QVERIFY2(f.messages.back().text.startsWith(lead), qPrintable(f.messages.back().text));
    }

    void timerKeepsTheSettingsCurrent()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        // Free placement: the position goes into the settings.
        w->move(40, 30);
        w->cmbEdinIz->setCurrentIndex(3);
        w->Timer1_Timer();
        QCOMPARE(f.settings.ConnectFormX, 600.0f);
        QCOMPARE(f.settings.ConnectFormY, 450.0f);
        QCOMPARE(f.settings.LastResistInCon, QStringLiteral("ГОм"));
        // Any word but the centred one is free placement, another language's word too.
        f.settings.ConnectFormCentring = QStringLiteral("Free");
        w->move(50, 30);
        w->Timer1_Timer();
        QCOMPARE(f.settings.ConnectFormX, 750.0f);

        // Centred placement: the window returns to the centre and its place is not stored.
        f.settings.ConnectFormCentring = f.settings.LangPos1;
        w->move(3, 4);
        w->Timer1_Timer();
        QCOMPARE(w->pos(), ui::centredPosition(w));
        QCOMPARE(f.settings.ConnectFormX, 750.0f);
        // And the real timer does it too.
        w->move(5, 6);
        QTRY_COMPARE_WITH_TIMEOUT(w->pos(), ui::centredPosition(w), 1000);
    }

    void closingStoresItsStateAndDiscardsTheList()
    {
        LinkoraFixture f;
        QVERIFY(f.open());
        frmLinkor *w = f.window;
        f.add(QStringLiteral("1"), QStringLiteral("Ом"));
        w->move(70, 80);
        w->cmbEdinIz->setCurrentIndex(4);
        QVERIFY(w->close());
        QCOMPARE(f.settings.ConnectFormX, 1050.0f);
        QCOMPARE(f.settings.ConnectFormY, 1200.0f);
        QCOMPARE(f.settings.LastResistInCon, QStringLiteral("ТОм"));
        QTRY_VERIFY(f.window.isNull()); // deleted with its list
    }
};

QTEST_MAIN(LinkoraWindowTest)
#include "linkora_window_test.moc"
