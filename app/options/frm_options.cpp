#include "frm_options.h"

#include "common/failure.h"
#include "common/program_folder.h"
#include "common/sharp_picture.h"
#include "common/text_file.h"
#include "config/combination_settings.h"
#include "config/settings_file.h"
#include "config/skin_file.h"
#include "option_values.h"
#include "option_widgets.h"
#include "ui/click_label.h"
#include "ui/fixed_texts.h"
#include "ui/seams.h"
#include "ui/window_surface.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

namespace options
{
namespace
{

using ui::ControlKind;

// The messages that no language file carries, in the two languages delivered with the program.
struct FixedText {
    QString russian, english;
};
const FixedText kFileRefused{
    QStringLiteral("Выбранный файл нельзя использовать. Настройки не изменены."),
    QStringLiteral("The chosen file cannot be used. The settings are unchanged.")};
const FixedText kNotSaved{QStringLiteral("Настройки не сохранены."),
                          QStringLiteral("The settings were not saved.")};

QString inLanguage(const QString &lang, const FixedText &text)
{
    return ui::inLanguage(lang, text.russian, text.english);
}

const QString kIntroPicture = QStringLiteral("\\Data\\Intro.jpg");

// The width of the read-only boxes beside the two rounding scroll bars.
constexpr int kRoundingBoxWidth = 44;

} // namespace

frmOptions::frmOptions(config::GlobalSettings &settings, const ui::SkinScheme &scheme,
                       OptionsContext context, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_scheme(scheme), m_context(std::move(context))
{
    setObjectName(QStringLiteral("frmOptions"));
    // Until the language file names it after the menu item that opens it.
    setWindowTitle(ui::inLanguage(settings.Lang, QStringLiteral("Настройка"),
                                  QStringLiteral("Preferences"), QStringLiteral(" / ")));
    setModal(true);
    // The controls made below take the skin's font from the dialog, so that none of them has to
    // be given it (and lay itself out again) one by one.
    if (!scheme.font.isEmpty())
        ui::setFontFamily(this, scheme.font);
    createControls();
}

void frmOptions::registerControl(QWidget *control, ControlKind kind)
{
    m_controlOrder.emplace_back(control, kind);
}

void frmOptions::createControls()
{
    m_surface = ui::WindowSurface::fill(this, QStringLiteral("frmOptionsSurface"));

    auto named = [](QWidget *control, const char *name) {
        control->setObjectName(QString::fromLatin1(name));
    };
    auto makeFrame = [&](const char *name, const QString &caption) {
        auto *frame = new FrameBox(caption, m_surface);
        named(frame, name);
        registerControl(frame, ControlKind::Frame);
        return frame;
    };
    auto makeLabel = [&](const char *name, const QString &caption, QWidget *parent) {
        auto *label = new CaptionLabel(caption, parent);
        named(label, name);
        registerControl(label, ControlKind::Label);
        return label;
    };
    auto makeBox = [&](const char *name, QWidget *parent) {
        auto *box = new QLineEdit(parent);
        named(box, name);
        box->setReadOnly(true);
        registerControl(box, ControlKind::TextBox);
        return box;
    };
    auto makeFileList = [&](const char *name, QWidget *parent) {
        auto *list = new QListWidget(parent);
        named(list, name);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumHeight(96);
        registerControl(list, ControlKind::ListBox);
        return list;
    };
    auto makeCombo = [&](const char *name, QWidget *parent) {
        auto *combo = new QComboBox(parent);
        named(combo, name);
        combo->setEditable(false);
        registerControl(combo, ControlKind::DropDownList);
        return combo;
    };
    auto makeButton = [&](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, m_surface);
        named(button, name);
        button->setMinimumWidth(104);
        registerControl(button, ControlKind::Button);
        return button;
    };
    auto makeScrollBar = [&](const char *name, QWidget *parent) {
        auto *bar = new UpwardScrollBar(parent);
        named(bar, name);
        bar->setRange(0, kMaxRounding);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        return bar;
    };

    // The picture and the name of the program.
    Image1 = new QLabel(m_surface);
    named(Image1, "Image1");
    Image1->setAlignment(Qt::AlignCenter);
    Label8 = makeLabel("Label8", QStringLiteral("Bandolin"), m_surface);
    Label8->setAlignment(Qt::AlignCenter);

    // Skin and language.
    Frame1 = makeFrame("Frame1", QStringLiteral("Общие настройки:"));
    Label2 = makeLabel("Label2", QStringLiteral("Язык:"), Frame1);
    txtLang = makeBox("txtLang", Frame1);
    filLanguage = makeFileList("filLanguage", Frame1);
    Label3 = makeLabel("Label3", QStringLiteral("Скин:"), Frame1);
    txtSkin = makeBox("txtSkin", Frame1);
    filSkins = makeFileList("filSkins", Frame1);
    // Two columns of the same width, each a caption with its box above its file list.
    auto fileColumn = [](QLabel *label, QLineEdit *box, QListWidget *list) {
        auto *column = new QGridLayout;
        column->setHorizontalSpacing(8);
        column->setVerticalSpacing(6);
        column->addWidget(label, 0, 0);
        column->addWidget(box, 0, 1);
        column->addWidget(list, 1, 0, 1, 2);
        column->setColumnStretch(1, 1);
        return column;
    };
    auto *general = new QHBoxLayout(Frame1);
    general->setSpacing(16);
    general->addLayout(fileColumn(Label2, txtLang, filLanguage), 1);
    general->addLayout(fileColumn(Label3, txtSkin, filSkins), 1);

    // The placement of each window.
    auto placementFrame = [&](QGroupBox *frame, QLabel *label, QComboBox *combo) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto *layout = new QVBoxLayout(frame);
        layout->addWidget(label, 1);
        layout->addWidget(combo);
    };
    Frame2 = makeFrame("Frame2", QStringLiteral("Параметры Bandolin"));
    Label4 = makeLabel("Label4", QStringLiteral("Расположение  Bandolin на экране:"), Frame2);
    cmbBandolPos = makeCombo("cmbBandolPos", Frame2);
    placementFrame(Frame2, Label4, cmbBandolPos);
    Frame3 = makeFrame("Frame3", QStringLiteral("Параметры Linkora"));
    Label5 = makeLabel("Label5", QStringLiteral("Расположение  Linkora на экране:"), Frame3);
    cmbLinkorPos = makeCombo("cmbLinkorPos", Frame3);
    placementFrame(Frame3, Label5, cmbLinkorPos);
    Frame4 = makeFrame("Frame4", QStringLiteral("Параметры Voltamo"));
    Label6 = makeLabel("Label6", QStringLiteral("Расположение  Voltamo на экране:"), Frame4);
    cmbVoltamPos = makeCombo("cmbVoltamPos", Frame4);
    placementFrame(Frame4, Label6, cmbVoltamPos);
    Frame6 = makeFrame("Frame6", QStringLiteral("Параметры Комбинаций"));
    Label9 = makeLabel("Label9", QStringLiteral("Расположение окна Комбинаций на экране:"), Frame6);
    cmbCombinationsPos = makeCombo("cmbCombinationsPos", Frame6);
    placementFrame(Frame6, Label9, cmbCombinationsPos);

    // The rounding of both tools.
    Frame5 = makeFrame("Frame5", QStringLiteral("Округление результата:"));
    Label1 = makeLabel("Label1",
                       QStringLiteral("Округлять результат Linkora до ... знаков после запятой:"),
                       Frame5);
    txtConRound = makeBox("txtConRound", Frame5);
    VSCon = makeScrollBar("VSCon", Frame5);
    Label7 = makeLabel("Label7",
                       QStringLiteral("Округлять результат Voltamo до ... знаков после запятой:"),
                       Frame5);
    txtOmRound = makeBox("txtOmRound", Frame5);
    VSOm = makeScrollBar("VSOm", Frame5);
    auto *rounding = new QGridLayout(Frame5);
    rounding->setHorizontalSpacing(6);
    int row = 0;
    for (auto [label, box, bar] :
         {std::tuple{Label1, txtConRound, VSCon}, std::tuple{Label7, txtOmRound, VSOm}}) {
        label->setWordWrap(true);
        box->setFixedWidth(kRoundingBoxWidth);
        box->setAlignment(Qt::AlignCenter);
        // Only the two arrows show: the scroll bar works as a spinner beside its box.
        bar->setFixedSize(bar->sizeHint().width(), box->sizeHint().height() + 6);
        rounding->addWidget(label, row, 0);
        rounding->addWidget(box, row, 1);
        rounding->addWidget(bar, row, 2);
        ++row;
    }
    rounding->setColumnStretch(0, 1);

    cmdOk = makeButton("cmdOk", QStringLiteral("&Ok"));
    cmdCancel = makeButton("cmdCancel", QStringLiteral("О&тмена"));
    cmdDefault = makeButton("cmdDefault", QStringLiteral("По &умолчанию"));
    cmdOk->setDefault(true);

    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(Image1);
    pictureColumn->addWidget(Label8);
    pictureColumn->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(pictureColumn);
    top->addWidget(Frame1, 1);
    auto *windows = new QHBoxLayout;
    for (QGroupBox *frame : {Frame2, Frame3, Frame4, Frame6})
        windows->addWidget(frame, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDefault);
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto *main = new QVBoxLayout(m_surface);
    main->setContentsMargins(14, 14, 14, 14);
    main->setSpacing(10);
    main->addLayout(top);
    main->addLayout(windows);
    main->addWidget(Frame5);
    main->addSpacing(4);
    main->addLayout(buttons);

    connect(filLanguage, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            filLanguage_Click();
    });
    connect(filSkins, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            filSkins_Click();
    });
    using Handler = void (frmOptions::*)();
    const std::array<Handler, 3> placementHandlers = {&frmOptions::cmbBandolPos_Click,
                                                      &frmOptions::cmbLinkorPos_Click,
                                                      &frmOptions::cmbVoltamPos_Click};
    for (int i = 0; i < 3; ++i)
        connect(placementLists()[i], &QComboBox::currentIndexChanged, this,
                [this, handler = placementHandlers[i]](int index) {
                    if (index >= 0)
                        (this->*handler)();
                });
    connect(VSCon, &QScrollBar::valueChanged, this, [this] { VSCon_Change(); });
    connect(VSOm, &QScrollBar::valueChanged, this, [this] { VSOm_Change(); });
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    nameControls();
}

std::array<QComboBox *, 3> frmOptions::placementLists() const
{
    return {cmbBandolPos, cmbLinkorPos, cmbVoltamPos};
}

void frmOptions::Form_Load()
{
    // A dialog made ahead of its opening has its skin already; giving it again would only
    // resolve every control's palette anew.
    if (m_appliedScheme != m_scheme) {
        m_surface->setBackgroundColour(m_scheme.windowBackground);
        for (const auto &[control, kind] : m_controlOrder)
            ui::applySkinScheme(control, kind, m_scheme);
        // The name of the program stands out from the other labels.
        ui::setFontSize(Label8, 11, true);
        // The scroll bars are no kind the skin names; they look like its buttons, with arrows in
        // the colour of its labels.
        for (QScrollBar *bar : {VSCon, VSOm}) {
            if (m_scheme.buttonBackground.isValid())
                ui::setBackgroundColour(bar, m_scheme.buttonBackground);
            if (m_scheme.labelText.isValid())
                ui::setTextColour(bar, m_scheme.labelText);
        }
        m_appliedScheme = m_scheme;
    }

    QString langPos1 = m_settings.LangPos1;
    try {
        const config::OptionsTexts texts =
            m_context.texts ? *m_context.texts
                            : config::readOptionsTexts(config::languageFilePath(m_settings.Lang));
        langPos1 = texts.LangPos1;
        fillPlacementLists(texts.LangPos2, texts.LangPos1);
        showCaptions(texts);
        if (const QString title = dialogTitle(texts.PreferencesCaption); !title.isEmpty())
            setWindowTitle(title);
    } catch (const common::Failure &) {
        // The built-in captions stay, and the placement words are those the windows use now.
        fillPlacementLists(m_settings.LangPos2, m_settings.LangPos1);
    }

    fillFileList(filLanguage, QStringLiteral("\\Languages"), QStringLiteral("*.lng"));
    fillFileList(filSkins, QStringLiteral("\\Skin"), QStringLiteral("*.she"));

    OptionValues = m_context.liveLines.mid(0, kOptionValueCount);
    while (OptionValues.size() < kOptionValueCount)
        OptionValues.append(QString());

    const DialogValues shown = dialogValues(OptionValues, langPos1);
    txtSkin->setText(shown.SkinName);
    txtLang->setText(shown.Lang);
    markChosenFile(filSkins, shown.SkinName);
    markChosenFile(filLanguage, shown.Lang + QStringLiteral(".lng"));
    // A word that is neither placement word shows as free, and OK stores the free word.
    for (int i = 0; i < 3; ++i)
        selectPlacement(i, shown.placementItems[i]);
    cmbCombinationsPos->setCurrentIndex(placementItem(
        m_context.liveLines.value(config::kCombinationPlacementLine - 1), langPos1));
    // A rounding outside the scroll bars' range shows at the nearest limit.
    VSCon->setValue(shown.ConRound);
    VSCon_Change();
    VSOm->setValue(shown.OmRound);
    VSOm_Change();

    // Decoration only: a picture that has gone since the main window loaded leaves the place
    // empty.
    if (!config::isNoPicture(m_settings.GlobalPicture)) {
        const QPixmap background =
            common::keptSharpPixmap(common::programPath(m_settings.GlobalPicture));
        m_surface->setBackgroundPicture(background);
    }
    filLanguage->setFocus();
    const QPixmap intro = common::keptSharpPixmap(common::programPath(kIntroPicture));
    Image1->setPixmap(intro);
    Image1->setFixedSize(intro.isNull() ? QSize(240, 160) : common::logicalSize(intro));
}

void frmOptions::fillPlacementLists(const QString &langPos2, const QString &langPos1)
{
    const auto lists = placementLists();
    for (QComboBox *list : {lists[0], lists[1], lists[2], cmbCombinationsPos}) {
        if (list->count() == 2 && list->itemText(0) == langPos2 && list->itemText(1) == langPos1)
            continue;
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItem(langPos2);
        list->addItem(langPos1);
    }
}

void frmOptions::showCaptions(const config::OptionsTexts &texts)
{
    const std::array<QWidget *, 15> captioned = {Frame1, Frame2, Frame3, Frame4,    Label2,
                                                 Label3, Label4, Label5, Label6,    Frame5,
                                                 Label1, Label7, cmdOk,  cmdCancel, cmdDefault};
    for (std::size_t i = 0; i < captioned.size(); ++i) {
        if (auto *frame = qobject_cast<QGroupBox *>(captioned[i]))
            frame->setTitle(texts.Captions[i]);
        else if (auto *label = qobject_cast<QLabel *>(captioned[i]))
            label->setText(texts.Captions[i]);
        else if (auto *button = qobject_cast<QPushButton *>(captioned[i]))
            button->setText(texts.Captions[i]);
    }
    Frame6->setTitle(texts.CombinationsFrame);
    Label9->setText(texts.CombinationsPlacement);
    nameControls();
}

void frmOptions::fillFileList(QListWidget *list, const QString &folder, const QString &pattern)
{
    const QStringList files = common::folderFiles(folder, pattern);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown == files)
        return; // as the dialog made ahead of its opening found them: their layout stays
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(files);
}

void frmOptions::markChosenFile(QListWidget *list, const QString &fileName)
{
    const QList<QListWidgetItem *> found = list->findItems(fileName, Qt::MatchExactly);
    {
        // The view would tell assistive technology that the marked entry has the focus,
        // whichever control has it: a screen reader would announce the skin list first.
        const QSignalBlocker quiet(list);
        const QSignalBlocker quietSelection(list->selectionModel());
        list->setCurrentRow(found.isEmpty() ? -1 : list->row(found.first()));
    }
    list->viewport()->update();
    if (!found.isEmpty())
        list->scrollToItem(found.first());
}

void frmOptions::nameControls()
{
    // The lists and their boxes are named after the caption they stand under.
    for (auto [label, box, list] :
         {std::tuple{Label2, txtLang, filLanguage}, std::tuple{Label3, txtSkin, filSkins}}) {
        box->setAccessibleName(ui::nameFromCaption(label->text()));
        list->setAccessibleName(ui::nameFromCaption(label->text()));
    }
}

void frmOptions::selectPlacement(int list, int item)
{
    QComboBox *combo = placementLists()[list];
    {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(item);
    }
    placementChosen(list);
}

void frmOptions::placementChosen(int list)
{
    OptionValues[kPlacementEntries[list]] = placementLists()[list]->currentText();
}

void frmOptions::filLanguage_Click()
{
    QListWidgetItem *item = filLanguage->currentItem();
    if (!item)
        return;
    const QString fileName = item->text();
    txtLang->setText(fileName.left(fileName.size() - 4)); // without ".lng"
    OptionValues[entry::Lang] = txtLang->text();
}

void frmOptions::filSkins_Click()
{
    QListWidgetItem *item = filSkins->currentItem();
    if (!item)
        return;
    txtSkin->setText(item->text());
    OptionValues[entry::SkinName] = txtSkin->text();
}

void frmOptions::cmbBandolPos_Click()
{
    placementChosen(0);
}

void frmOptions::cmbLinkorPos_Click()
{
    placementChosen(1);
}

void frmOptions::cmbVoltamPos_Click()
{
    placementChosen(2);
}

void frmOptions::VSCon_Change()
{
    txtConRound->setText(roundingText(VSCon->value()));
    OptionValues[entry::ConRound] = txtConRound->text();
}

void frmOptions::VSOm_Change()
{
    txtOmRound->setText(roundingText(VSOm->value()));
    OptionValues[entry::OmRound] = txtOmRound->text();
}

void frmOptions::cmdDefault_Click()
{
    const DialogValues defaults = defaultDialogValues();
    txtLang->setText(defaults.Lang);
    OptionValues[entry::Lang] = txtLang->text();
    txtSkin->setText(defaults.SkinName);
    OptionValues[entry::SkinName] = txtSkin->text();
    markChosenFile(filLanguage, defaults.Lang + QStringLiteral(".lng"));
    markChosenFile(filSkins, defaults.SkinName);
    VSCon->setValue(defaults.ConRound);
    VSOm->setValue(defaults.OmRound);
    VSCon_Change();
    VSOm_Change();
    for (int i = 0; i < 3; ++i)
        selectPlacement(i, defaults.placementItems[i]);
    cmbCombinationsPos->setCurrentIndex(kFreeItem);
}

void frmOptions::cmdCancel_Click()
{
    reject();
}

void frmOptions::cmdOk_Click()
{
    if (ApplyOptions())
        accept();
}

bool frmOptions::ApplyOptions()
{
    std::array<int, 3> items{};
    for (int i = 0; i < 3; ++i)
        items[i] = qMax(kFreeItem, placementLists()[i]->currentIndex());
    const bool languageChanged = txtLang->text() != m_settings.Lang;

    // Everything is checked on a copy before the file is touched.
    const QStringList live =
        m_context.currentLines ? m_context.currentLines() : m_context.liveLines;
    QStringList values = withLiveValues(OptionValues, live);
    values[entry::Lang] = txtLang->text();
    values[entry::SkinName] = txtSkin->text();
    config::OptionsTexts newTexts;
    QStringList lines;
    const QString path = config::settingsFilePath();
    try {
        if (languageChanged) {
            newTexts = config::readOptionsTexts(config::languageFilePath(values[entry::Lang]));
            translateOptionValues(values, items, m_context.unitNames, newTexts);
        }
        lines = settingsLines(values, live.value(config::kSettingsLineCount - 1));
        const bool centred = cmbCombinationsPos->currentIndex() == kCentredItem;
        lines += laterSettingsLines(live, languageChanged ? newTexts.LangPos1 : m_settings.LangPos1,
                                    languageChanged ? newTexts.LangPos2 : m_settings.LangPos2,
                                    centred);
        checkCodePage(path, lines);
        if (m_context.check)
            m_context.check(lines);
    } catch (const common::Failure &failure) {
        tell(inLanguage(m_settings.Lang, kFileRefused), failure.message());
        return false;
    }
    try {
        common::writeTextLines(path, lines);
    } catch (const common::Failure &failure) {
        tell(inLanguage(m_settings.Lang, kNotSaved), failure.message());
        return false;
    }

    if (languageChanged) {
        fillPlacementLists(newTexts.LangPos2, newTexts.LangPos1);
        for (int i = 0; i < 3; ++i) {
            const QSignalBlocker quiet(placementLists()[i]);
            placementLists()[i]->setCurrentIndex(items[i]);
        }
        showCaptions(newTexts);
    }
    OptionValues = values;
    applyToSettings(OptionValues, m_settings);
    m_settings.CombFormCentring = lines.value(config::kCombinationPlacementLine - 1);
    m_applied = true;
    return true;
}

void frmOptions::tell(const QString &lead, const QString &detail)
{
    ui::showMessage(
        this, {lead + QStringLiteral("\n\n") + detail, windowTitle(), ui::MessageIcon::Error});
}

} // namespace options
