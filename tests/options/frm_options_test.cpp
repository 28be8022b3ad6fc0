// The options dialog on its own temporary program folder, driven through its controls.

#include "options/frm_options.h"

#include "common/text_file.h"
#include "config/settings_file.h"
#include "support/test_folder.h"
#include "ui/seams.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>

using testing_support::TestFolder;

namespace
{

const QString kSettings = QStringLiteral("\\Data\\Settings.dat");
const QString kFree = QStringLiteral("Произвольно");
const QString kCentred = QStringLiteral("По центру");

// What the dialog may change of the global settings.
struct SettingsSeen {
    QString Lang, SkinName, FormCentring, ConnectFormCentring, OmFormCentring;
    int ConRound = 0, OmRound = 0;
    bool operator==(const SettingsSeen &) const = default;
};

SettingsSeen seen(const config::GlobalSettings &s)
{
    return {s.Lang,           s.SkinName, s.FormCentring, s.ConnectFormCentring,
            s.OmFormCentring, s.ConRound, s.OmRound};
}

class DialogFixture
{
public:
    DialogFixture()
    {
        ui::setMessageHandler([this](QWidget *, const ui::Message &m) { messages.push_back(m); });
        // The file as the main window read it at start, with a resistor stored.
        QStringList lines = config::defaultSettingsLines(7200, 3600);
        lines[34] = QStringLiteral("469043");
        folder.writeLines(kSettings, lines);
        useLanguage(QStringLiteral("Русский"), kCentred, kFree);
        settings.SkinName = QStringLiteral("Default.she");
        settings.FormCentring = settings.ConnectFormCentring = settings.OmFormCentring = kFree;
        settings.ConRound = settings.OmRound = 3;
        settings.GlobalPicture = QStringLiteral("Nothing");
        scheme.windowBackground = QColor(0x20, 0x30, 0x40);
        scheme.labelText = scheme.frameText = QColor(0xE0, 0xE1, 0xE2);
        scheme.textBoxBackground = QColor(0x11, 0x22, 0x33);
        scheme.textBoxText = QColor(0xF1, 0xF2, 0xF3);
        scheme.dropDownBackground = scheme.listBoxBackground = QColor(0x44, 0x55, 0x66);
        scheme.dropDownText = scheme.listBoxText = QColor(0xA1, 0xA2, 0xA3);
        scheme.buttonBackground = QColor(0x77, 0x88, 0x99);
        scheme.font = QStringLiteral("DejaVu Serif");
    }
    ~DialogFixture()
    {
        dialog.reset();
        ui::setMessageHandler({});
    }

    // What the main window's load sets from a language.
    void useLanguage(const QString &lang, const QString &langPos1, const QString &langPos2)
    {
        settings.Lang = lang;
        settings.LangPos1 = langPos1;
        settings.LangPos2 = langPos2;
    }

    // Creates the dialog on the settings file's lines as the live state; loads and shows it.
    bool open()
    {
        options::OptionsContext context;
        context.liveLines = settingsLines();
        // The unit names of the current language, as the main window holds them.
        const QString language = QStringLiteral("\\Languages\\%1.lng").arg(settings.Lang);
        if (QFile::exists(folder.file(language)))
            for (int i = 0; i < 5; ++i)
                context.unitNames[i] = folder.readLines(language).value(14 + i);
        dialog = std::make_unique<options::frmOptions>(settings, scheme, context);
        dialog->Form_Load();
        dialog->show();
        return QTest::qWaitForWindowExposed(dialog.get());
    }

    void editSettingsLine(int line, const QString &text) const
    {
        QStringList lines = folder.readLines(kSettings);
        lines[line - 1] = text;
        folder.writeLines(kSettings, lines);
    }
    QStringList settingsLines() const { return folder.readLines(kSettings); }
    QByteArray settingsBytes() const
    {
        QFile file(folder.file(kSettings));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString languageLine(const QString &lang, int line) const
    {
        return folder.readLines(QStringLiteral("\\Languages\\") + lang + QStringLiteral(".lng"))
            .at(line - 1);
    }

    void clickFile(QListWidget *list, const QString &name) const
    {
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }

    TestFolder folder;
    config::GlobalSettings settings;
    ui::SkinScheme scheme;
    std::vector<ui::Message> messages;
    std::unique_ptr<options::frmOptions> dialog;
};

QRect scrollBarPart(const QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

void clickArrow(QScrollBar *bar, QStyle::SubControl arrow)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, arrow).center());
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class FrmOptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadShowsTheStoredOptions()
    {
        DialogFixture f;
        f.editSettingsLine(11, kCentred);
        f.editSettingsLine(31, QStringLiteral("5"));
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        QVERIFY(f.messages.empty());
        QCOMPARE(d->windowTitle(), QStringLiteral("Настройка"));
        // It opens on the language list, which a screen reader names after its caption.
        QCOMPARE(d->focusWidget(), d->filLanguage);
        QCOMPARE(QAccessible::queryAccessibleInterface(d->filLanguage)->text(QAccessible::Name),
                 QStringLiteral("Язык"));
        QCOMPARE(d->txtLang->text(), QStringLiteral("Русский"));
        QCOMPARE(d->txtSkin->text(), QStringLiteral("Default.she"));
        QCOMPARE(itemsOf(d->filLanguage), (QStringList{"English.lng", "Русский.lng"}));
        QCOMPARE(itemsOf(d->filSkins), (QStringList{"Dark.she", "Default.she"}));
        for (QComboBox *list : {d->cmbBandolPos, d->cmbLinkorPos, d->cmbVoltamPos})
            QCOMPARE(itemsOf(list), (QStringList{kFree, kCentred}));
        QCOMPARE(d->cmbBandolPos->currentIndex(), 0);
        QCOMPARE(d->cmbLinkorPos->currentIndex(), 1);
        QCOMPARE(d->cmbVoltamPos->currentIndex(), 0);
        QCOMPARE(d->VSCon->value(), 3);
        QCOMPARE(d->txtConRound->text(), QStringLiteral("3"));
        QCOMPARE(d->VSOm->value(), 5);
        QCOMPARE(d->txtOmRound->text(), QStringLiteral("5"));
        QCOMPARE(d->OptionValues, f.settingsLines().mid(0, 33));
        // Captions of lines 65-79, each at its own control.
        QCOMPARE(d->Frame1->title(), f.languageLine(QStringLiteral("Русский"), 65));
        QCOMPARE(d->Frame4->title(), f.languageLine(QStringLiteral("Русский"), 68));
        QCOMPARE(d->Label2->text(), f.languageLine(QStringLiteral("Русский"), 69));
        QCOMPARE(d->Frame5->title(), f.languageLine(QStringLiteral("Русский"), 74));
        QCOMPARE(d->Label7->text(), f.languageLine(QStringLiteral("Русский"), 76));
        QCOMPARE(d->cmdDefault->text(), f.languageLine(QStringLiteral("Русский"), 79));
        QVERIFY(!d->Image1->pixmap().isNull());
        QVERIFY(d->txtLang->isReadOnly() && d->txtConRound->isReadOnly());

        // The skin's colours and font by kind of control.
        const ui::SkinScheme &s = f.scheme;
        QCOMPARE(d->Frame2->palette().color(QPalette::WindowText), s.frameText);
        QCOMPARE(d->Label4->palette().color(QPalette::WindowText), s.labelText);
        QCOMPARE(d->txtSkin->palette().color(QPalette::Base), s.textBoxBackground);
        QCOMPARE(d->txtSkin->palette().color(QPalette::Text), s.textBoxText);
        QCOMPARE(d->cmbVoltamPos->palette().color(QPalette::Button), s.dropDownBackground);
        QCOMPARE(d->filSkins->palette().color(QPalette::Base), s.listBoxBackground);
        QCOMPARE(d->filSkins->palette().color(QPalette::Text), s.listBoxText);
        QCOMPARE(d->cmdOk->palette().color(QPalette::Button), s.buttonBackground);
        for (QWidget *control :
             std::initializer_list<QWidget *>{d->Frame1, d->Label1, d->txtOmRound, d->cmbLinkorPos,
                                              d->filLanguage, d->cmdCancel})
            QCOMPARE(control->font().family(), s.font);
    }

    // A placement word that is neither of the language's words shows as free; a rounding
    // outside 0-8 shows at the nearest limit. OK stores what the dialog showed.
    void oddStoredValuesShowAtTheNearestChoice()
    {
        DialogFixture f;
        f.editSettingsLine(7, QStringLiteral("Centred"));
        f.editSettingsLine(15, QStringLiteral("в центре"));
        f.editSettingsLine(29, QStringLiteral("12"));
        f.editSettingsLine(31, QStringLiteral("-2"));
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        QCOMPARE(d->cmbBandolPos->currentIndex(), 0);
        QCOMPARE(d->cmbVoltamPos->currentIndex(), 0);
        QCOMPARE(d->VSCon->value(), 8);
        QCOMPARE(d->txtConRound->text(), QStringLiteral("8"));
        QCOMPARE(d->VSOm->value(), 0);
        QCOMPARE(d->txtOmRound->text(), QStringLiteral("0"));
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        QVERIFY(d->applied());
        const QStringList lines = f.settingsLines();
        QCOMPARE(lines[6], kFree);
        QCOMPARE(lines[14], kFree);
        QCOMPARE(lines[28], QStringLiteral("8"));
        QCOMPARE(lines[30], QStringLiteral("0"));
        QCOMPARE(f.settings.FormCentring, kFree);
        QCOMPARE(int(f.settings.ConRound), 8);
    }

    // The user can still choose another language.
    void brokenCurrentLanguageOpensWithBuiltInTexts()
    {
        DialogFixture f;
        const QString russian = QStringLiteral("\\Languages\\Русский.lng");
        f.folder.writeLines(russian, f.folder.readLines(russian).mid(0, 70));
        f.editSettingsLine(11, kCentred);
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        QVERIFY(f.messages.empty());
        QCOMPARE(d->Frame1->title(), QStringLiteral("Общие настройки:"));
        QCOMPARE(itemsOf(d->cmbLinkorPos), (QStringList{kFree, kCentred}));
        QCOMPARE(d->cmbLinkorPos->currentIndex(), 1);
        f.clickFile(d->filLanguage, QStringLiteral("English.lng"));
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        QVERIFY(d->applied());
        QCOMPARE(f.settingsLines().at(10), QStringLiteral("Centred"));
    }

    void reactionsKeepTheValuesInStep()
    {
        DialogFixture f;
        const QByteArray before = f.settingsBytes();
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        f.clickFile(d->filLanguage, QStringLiteral("English.lng"));
        QCOMPARE(d->txtLang->text(), QStringLiteral("English"));
        QCOMPARE(d->OptionValues[4], QStringLiteral("English"));
        f.clickFile(d->filSkins, QStringLiteral("Dark.she"));
        QCOMPARE(d->txtSkin->text(), QStringLiteral("Dark.she"));
        QCOMPARE(d->OptionValues[2], QStringLiteral("Dark.she"));

        d->cmbVoltamPos->setFocus();
        QTest::keyClick(d->cmbVoltamPos, Qt::Key_Down);
        QCOMPARE(d->cmbVoltamPos->currentIndex(), 1);
        QCOMPARE(d->OptionValues[14], kCentred);
        QCOMPARE(d->OptionValues[6], kFree);

        // The upper arrow increases, the lower one decreases, within 0-8.
        clickArrow(d->VSCon, QStyle::SC_ScrollBarSubLine);
        QVERIFY(scrollBarPart(d->VSCon, QStyle::SC_ScrollBarSubLine).top() <
                scrollBarPart(d->VSCon, QStyle::SC_ScrollBarAddLine).top());
        QCOMPARE(d->VSCon->value(), 4);
        QCOMPARE(d->txtConRound->text(), QStringLiteral("4"));
        QCOMPARE(d->OptionValues[28], QStringLiteral("4"));
        clickArrow(d->VSOm, QStyle::SC_ScrollBarAddLine);
        QCOMPARE(d->VSOm->value(), 2);
        QCOMPARE(d->OptionValues[30], QStringLiteral("2"));
        d->VSOm->setFocus();
        QTest::keyClick(d->VSOm, Qt::Key_Up);
        QCOMPARE(d->VSOm->value(), 3);
        for (int i = 0; i < 7; ++i)
            clickArrow(d->VSCon, QStyle::SC_ScrollBarSubLine);
        QCOMPARE(d->VSCon->value(), 8);
        QCOMPARE(d->txtConRound->text(), QStringLiteral("8"));
        // Nothing reaches the file or the settings before OK.
        QCOMPARE(f.settingsBytes(), before);
        QCOMPARE(f.settings.Lang, QStringLiteral("Русский"));
    }

    void defaultThenCancelChangesNothing()
    {
        DialogFixture f;
        f.editSettingsLine(3, QStringLiteral("Dark.she"));
        f.editSettingsLine(11, kCentred);
        f.editSettingsLine(29, QStringLiteral("6"));
        const QByteArray before = f.settingsBytes();
        const SettingsSeen settingsBefore = seen(f.settings);
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(d->txtLang->text(), QStringLiteral("Русский"));
        QCOMPARE(d->txtSkin->text(), QStringLiteral("Default.she"));
        QCOMPARE(d->filSkins->currentItem()->text(), QStringLiteral("Default.she"));
        QCOMPARE(d->cmbLinkorPos->currentIndex(), 0);
        QCOMPARE(d->OptionValues[10], kFree);
        QCOMPARE(d->VSCon->value(), 3);
        QCOMPARE(d->txtConRound->text(), QStringLiteral("3"));
        QCOMPARE(d->OptionValues[28], QStringLiteral("3"));
        QCOMPARE(f.settingsBytes(), before);

        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QVERIFY(!d->applied());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(f.settingsBytes(), before);
        QCOMPARE(seen(f.settings), settingsBefore);
        QVERIFY(f.messages.empty());
    }

    void defaultThenOkWritesTheDefaults()
    {
        DialogFixture f;
        // An English setup with the dark skin, centred windows and other roundings.
        const QStringList edits[] = {{"3", "Dark.she"}, {"5", "English"}, {"7", "Centred"},
                                     {"11", "Centred"}, {"15", "Free"},   {"19", "Five"},
                                     {"21", "kOhm"},    {"23", "0.5%"},   {"25", "MOhm"},
                                     {"29", "5"},       {"31", "7"},      {"33", "I"}};
        for (const QStringList &e : edits)
            f.editSettingsLine(e[0].toInt(), e[1]);
        f.useLanguage(QStringLiteral("English"), QStringLiteral("Centred"), QStringLiteral("Free"));
        const QStringList before = f.settingsLines();
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        QCOMPARE(d->Frame1->title(), f.languageLine(QStringLiteral("English"), 65));
        QCOMPARE(d->windowTitle(), QStringLiteral("Preferences"));
        QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        QVERIFY(f.messages.empty());
        QVERIFY(d->applied());
        QVERIFY(!d->isVisible());

        QStringList expected = before;
        expected[2] = QStringLiteral("Default.she");
        expected[4] = QStringLiteral("Русский");
        expected[6] = expected[10] = expected[14] = kFree;
        expected[18] = QStringLiteral("Четыре");
        expected[20] = QStringLiteral("Ом");
        expected[24] = QStringLiteral("МОм"); // Linkora's unit keeps its place
        expected[28] = expected[30] = QStringLiteral("3");
        expected[33] = QStringLiteral("Последний резистор:");
        expected[34] = QStringLiteral("469043");
        QCOMPARE(f.settingsLines(), expected);
        QCOMPARE(f.settings.Lang, QStringLiteral("Русский"));
        QCOMPARE(f.settings.FormCentring, kFree);
        QCOMPARE(f.settings.ConnectFormCentring, kFree);
        QCOMPARE(f.settings.OmFormCentring, kFree);
        QCOMPARE(int(f.settings.ConRound), 3);
        QCOMPARE(int(f.settings.OmRound), 3);
        // The dialog took the new language's captions and words as well.
        QCOMPARE(d->Frame1->title(), f.languageLine(QStringLiteral("Русский"), 65));
        QCOMPARE(itemsOf(d->cmbLinkorPos), (QStringList{kFree, kCentred}));
    }

    void languageSwitchKeepsEachPlacement()
    {
        DialogFixture f;
        f.editSettingsLine(11, kCentred);
        f.editSettingsLine(19, QStringLiteral("Три"));
        f.editSettingsLine(25, QStringLiteral("кОм"));
        const QStringList original = f.settingsLines();

        QVERIFY(f.open());
        f.clickFile(f.dialog->filLanguage, QStringLiteral("English.lng"));
        QTest::mouseClick(f.dialog->cmdOk, Qt::LeftButton);
        QVERIFY(f.dialog->applied());
        QStringList english = original;
        english[4] = QStringLiteral("English");
        english[6] = english[14] = QStringLiteral("Free");
        english[10] = QStringLiteral("Centred");
        english[18] = QStringLiteral("Four");
        english[20] = QStringLiteral("Ohm");
        english[24] = QStringLiteral("kOhm"); // Linkora's unit keeps its place
        QCOMPARE(f.settingsLines(), english);
        QCOMPARE(f.settings.ConnectFormCentring, QStringLiteral("Centred"));
        QCOMPARE(f.settings.OmFormCentring, QStringLiteral("Free"));
        QCOMPARE(f.dialog->cmbLinkorPos->currentText(), QStringLiteral("Centred"));

        // The main window's re-initialisation reads the new language's words.
        f.useLanguage(QStringLiteral("English"), QStringLiteral("Centred"), QStringLiteral("Free"));
        QVERIFY(f.open());
        QCOMPARE(f.dialog->cmbLinkorPos->currentIndex(), 1);
        QCOMPARE(f.dialog->cmbBandolPos->currentIndex(), 0);
        f.clickFile(f.dialog->filLanguage, QStringLiteral("Русский.lng"));
        QTest::mouseClick(f.dialog->cmdOk, Qt::LeftButton);
        QVERIFY(f.dialog->applied());
        QStringList russian = english;
        russian[4] = QStringLiteral("Русский");
        russian[6] = russian[14] = kFree;
        russian[10] = kCentred;
        russian[18] = QStringLiteral("Четыре");
        russian[20] = QStringLiteral("Ом");
        russian[24] = QStringLiteral("кОм");
        QCOMPARE(f.settingsLines(), russian);
        QCOMPARE(f.settings.ConnectFormCentring, kCentred);
    }

    // The Combinations window's placement lives after line 35: shown, translated with the
    // language, and written with the rest; a file without those lines gets none.
    void combinationsPlacementAfterLine35()
    {
        DialogFixture f;
        const QStringList later = {"Координаты Combinations:", kCentred, "1", "2", "3", "4",
                                   "Ряд Combinations:", "E96", "Число:", "2"};
        f.folder.writeLines(kSettings, f.settingsLines() + later);
        QVERIFY(f.open());
        QCOMPARE(f.dialog->cmbCombinationsPos->currentIndex(), 1);
        QCOMPARE(f.dialog->Frame6->title(), QStringLiteral("Параметры Комбинаций"));
        f.clickFile(f.dialog->filLanguage, QStringLiteral("English.lng"));
        QTest::mouseClick(f.dialog->cmdOk, Qt::LeftButton);
        QVERIFY(f.dialog->applied());
        QStringList expected = later;
        expected[1] = QStringLiteral("Centred");
        QCOMPARE(f.settingsLines().mid(35), expected);
        QCOMPARE(f.settings.CombFormCentring, QStringLiteral("Centred"));

        f.useLanguage(QStringLiteral("English"), QStringLiteral("Centred"), QStringLiteral("Free"));
        QVERIFY(f.open());
        QTest::mouseClick(f.dialog->cmdDefault, Qt::LeftButton);
        QCOMPARE(f.dialog->cmbCombinationsPos->currentIndex(), 0);
        QTest::mouseClick(f.dialog->cmdOk, Qt::LeftButton);
        QCOMPARE(f.settingsLines().at(36), kFree); // Default is Русский

        f.folder.writeLines(kSettings, f.settingsLines().mid(0, 35));
        QVERIFY(f.open());
        QTest::mouseClick(f.dialog->cmdOk, Qt::LeftButton);
        QCOMPARE(f.settingsLines().size(), 35);
    }

    void sameLanguageTranslatesNothing()
    {
        DialogFixture f;
        f.editSettingsLine(19, QStringLiteral("Пять"));
        f.editSettingsLine(21, QStringLiteral("МОм"));
        f.editSettingsLine(25, QStringLiteral("ТОм"));
        const QStringList before = f.settingsLines();
        QVERIFY(f.open());
        f.clickFile(f.dialog->filSkins, QStringLiteral("Dark.she"));
        QTest::mouseClick(f.dialog->cmdOk, Qt::LeftButton);
        QVERIFY(f.dialog->applied());
        QStringList expected = before;
        expected[2] = QStringLiteral("Dark.she");
        QCOMPARE(f.settingsLines(), expected);
    }

    // The new language's words cannot be read: nothing to write the settings with. (What the
    // windows' loads would refuse is the main window's check, tested through the main window.)
    void brokenChosenFileIsRefused_data()
    {
        QTest::addColumn<QString>("choose"); // the file clicked in its list
        QTest::addColumn<QString>("file");   // the file then broken
        QTest::addColumn<int>("keepLines");  // 0: the file is removed
        QTest::newRow("language removed") << "English.lng"
                                          << "\\Languages\\English.lng" << 0;
        QTest::newRow("language too short") << "English.lng"
                                            << "\\Languages\\English.lng" << 70;
    }

    void brokenChosenFileIsRefused()
    {
        QFETCH(QString, choose);
        QFETCH(QString, file);
        QFETCH(int, keepLines);
        DialogFixture f;
        const QByteArray before = f.settingsBytes();
        const SettingsSeen settingsBefore = seen(f.settings);
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        f.clickFile(d->filLanguage, choose);
        if (keepLines == 0)
            f.folder.remove(file);
        else
            f.folder.writeLines(file, f.folder.readLines(file).mid(0, keepLines));
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY2(f.messages[0].text.contains(choose), qPrintable(f.messages[0].text));
        QVERIFY(!f.messages[0].text.contains(QStringLiteral("cannot be used"))); // Russian only
        QCOMPARE(f.messages[0].icon, ui::MessageIcon::Error);
        QVERIFY(d->isVisible());
        QVERIFY(!d->applied());
        QCOMPARE(f.settingsBytes(), before);
        QCOMPARE(seen(f.settings), settingsBefore);
        QCOMPARE(d->Frame1->title(), f.languageLine(QStringLiteral("Русский"), 65));

        // Another choice then goes through.
        QTest::mouseClick(d->cmdDefault, Qt::LeftButton);
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        QVERIFY(d->applied());
    }

    void settingsFileThatCannotBeWrittenIsReported()
    {
        DialogFixture f;
        const SettingsSeen settingsBefore = seen(f.settings);
        QVERIFY(f.open());
        options::frmOptions *d = f.dialog.get();
        f.clickFile(d->filLanguage, QStringLiteral("English.lng"));
        // A folder in the file's place cannot be replaced by the file.
        f.folder.remove(kSettings);
        QVERIFY(QDir().mkdir(f.folder.file(kSettings)));
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
        QCOMPARE(f.messages.size(), std::size_t(1));
        QVERIFY(f.messages[0].text.contains(QStringLiteral("Settings.dat")));
        QVERIFY(d->isVisible());
        QVERIFY(!d->applied());
        QCOMPARE(seen(f.settings), settingsBefore);
        QCOMPARE(d->cmbBandolPos->currentText(), kFree);
    }

    // Captions and frame titles are drawn from a picture of their own: one made for the old
    // text or colour must not be shown again.
    void captionPicturesFollowTextAndColour_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("newText");
        QTest::newRow("caption, text") << false << true;
        QTest::newRow("caption, colour") << false << false;
        QTest::newRow("frame title, text") << true << true;
        QTest::newRow("frame title, colour") << true << false;
    }
    void captionPicturesFollowTextAndColour()
    {
        QFETCH(bool, frame);
        QFETCH(bool, newText);
        const auto show = [frame](QWidget *w, const QString &text, const QColor &colour) {
            if (frame)
                static_cast<options::FrameBox *>(w)->setTitle(text);
            else
                static_cast<options::CaptionLabel *>(w)->setText(text);
            QPalette palette = w->palette();
            palette.setColor(QPalette::WindowText, colour);
            w->setPalette(palette);
            w->resize(240, 60);
            return w->grab().toImage();
        };
        const auto make = [frame]() -> std::unique_ptr<QWidget> {
            if (frame)
                return std::make_unique<options::FrameBox>();
            return std::make_unique<options::CaptionLabel>();
        };
        const std::unique_ptr<QWidget> w = make();
        const QImage first = show(w.get(), QStringLiteral("Language:"), Qt::black);
        const QString text = newText ? QStringLiteral("Skin:") : QStringLiteral("Language:");
        const QColor colour = newText ? QColor(Qt::black) : QColor(Qt::red);
        const QImage second = show(w.get(), text, colour);
        QVERIFY(second != first);
        QCOMPARE(second, show(make().get(), text, colour));
    }
};

QTEST_MAIN(FrmOptionsTest)
#include "frm_options_test.moc"
