// What the Combinations window does once prepared: the inputs ask for answers, the answers fill
// the list, the selected one is drawn, copied or handed to Linkora.

#include "combination_calc/combination_window.h"
#include "combination_calc/schematic_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

namespace combination_calc
{
namespace
{

constexpr int kMaxParts = 4, kMaxPartsPerSide = 2;

} // namespace

void frmCombinations::connectInputs()
{
    connect(m_kinds, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
        if (on)
            optKind_Click();
    });
    connect(m_dividerGiven, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
        if (!on)
            return;
        txtVout->setEnabled(optVout->isChecked());
        txtRatio->setEnabled(optRatio->isChecked());
        inputChanged();
    });
    for (QLineEdit *box :
         {txtTarget, txtVin, txtVout, txtRatio, txtTotalLow, txtTotalHigh, txtExclude})
        connect(box, &QLineEdit::textChanged, this, [this] { inputChanged(); });
    for (QComboBox *list : {cmbTargetUnit, cmbTotalLowUnit, cmbTotalHighUnit, cmbTolerance})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { inputChanged(); });
    connect(cmbSeries, &QComboBox::currentIndexChanged, this, [this] { cmbSeries_Click(); });
    connect(spnParts, &QSpinBox::valueChanged, this, [this] { inputChanged(); });
    connect(chkStock, &QCheckBox::toggled, this, [this] { inputChanged(); });
    connect(lstAnswers, &QTreeWidget::itemSelectionChanged, this, [this] { lstAnswers_Click(); });
    connect(cmdToLinkora, &QPushButton::clicked, this, [this] { cmdToLinkora_Click(); });
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    // Ctrl+C in the list copies the answer, as the button does.
    auto *copy = new QShortcut(QKeySequence::Copy, lstAnswers, nullptr, nullptr,
                               Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, [this] { cmdCopy_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(m_runner, &SearchRunner::found, this, [this](const Found &found) {
        m_slowSearch->stop();
        showAnswers(found);
        const std::size_t count = found.divider ? found.dividers.size() : found.values.size();
        QString status = found.failure;
        if (status.isEmpty())
            status = count ? m_prepared.texts.answerCount.arg(count) : m_prepared.texts.noAnswer;
        if (!m_stockNote.isEmpty())
            status += QLatin1Char(' ') + m_stockNote;
        showStatus(status);
    });
    connect(m_slowSearch, &QTimer::timeout, this,
            [this] { showStatus(m_prepared.texts.searching); });
}

SearchInputs frmCombinations::inputs() const
{
    SearchInputs in;
    in.kind = optDivider->isChecked() ? SearchKind::Divider : SearchKind::Value;
    in.target = txtTarget->text();
    in.targetUnit = cmbTargetUnit->currentIndex();
    in.vin = txtVin->text();
    in.vout = txtVout->text();
    in.ratio = txtRatio->text();
    in.given = optRatio->isChecked() ? DividerGiven::Ratio : DividerGiven::Voltages;
    in.totalLow = txtTotalLow->text();
    in.totalHigh = txtTotalHigh->text();
    in.totalLowUnit = cmbTotalLowUnit->currentIndex();
    in.totalHighUnit = cmbTotalHighUnit->currentIndex();
    in.series = combinations::seriesFromName(cmbSeries->currentText())
                    .value_or(combinations::Series::E24);
    in.parts = spnParts->value();
    if (const int item = cmbTolerance->currentIndex(); item > 0)
        in.tolerancePercent = toleranceChoices()[std::size_t(item - 1)];
    in.exclude = txtExclude->text();
    return in;
}

bool frmCombinations::searching() const
{
    return m_runner->busy();
}

int frmCombinations::selectedAnswer() const
{
    const QList<QTreeWidgetItem *> selected = lstAnswers->selectedItems();
    return selected.isEmpty() ? -1 : lstAnswers->indexOfTopLevelItem(selected.first());
}

void frmCombinations::inputChanged()
{
    if (!m_loaded)
        return;
    const config::CombinationTexts &t = m_prepared.texts;
    SearchInputs in = inputs();
    m_stockNote.clear();
    if (chkStock->isChecked()) {
        const QString path = combinations::stockFilePath();
        const combinations::StockFile stock = combinations::readStock(path);
        if (!stock.problems.isEmpty())
            m_stockNote = t.stockProblems.arg(stock.problems.size()).arg(stock.problems.first());
        if (stock.values.empty()) {
            m_runner->cancel();
            showAnswers({});
            showStatus(stock.opened ? t.emptyStock.arg(path) : t.noStockFile.arg(path));
            return;
        }
        in.stock = stock.values;
    }

    const Search search = makeSearch(in);
    if (const auto *problem = std::get_if<InputProblem>(&search)) {
        m_runner->cancel();
        m_slowSearch->stop();
        showAnswers({});
        switch (problem->kind) {
        case InputProblem::Kind::NoTarget:
            showStatus(t.noTarget);
            break;
        case InputProblem::Kind::NotAValue:
            showStatus(t.notAValue.arg(problem->text));
            break;
        case InputProblem::Kind::RatioOutOfRange:
            showStatus(t.ratioOutOfRange);
            break;
        }
        return;
    }
    if (const auto *value = std::get_if<combinations::ValueQuery>(&search))
        m_runner->request(*value);
    else
        m_runner->request(std::get<combinations::DividerQuery>(search));
    if (!m_slowSearch->isActive())
        m_slowSearch->start();
}

void frmCombinations::optKind_Click()
{
    const bool divider = optDivider->isChecked();
    stkInputs->setCurrentIndex(divider ? 1 : 0);
    fitInputPage();
    // The same box counts the parts of each side of a divider, which holds at most a pair; the
    // value search gets its own number back.
    if (divider) {
        m_valueParts = spnParts->value();
        spnParts->setMaximum(kMaxPartsPerSide);
    } else {
        spnParts->setMaximum(kMaxParts);
        spnParts->setValue(m_valueParts);
    }
    lblParts->setText(divider ? m_prepared.texts.lblPartsPerSide : m_prepared.texts.lblParts);
    lstAnswers->setHeaderLabels(divider ? dividerHeaders(m_prepared.texts)
                                        : valueHeaders(m_prepared.texts));
    showAnswers({});
    inputChanged();
}

void frmCombinations::cmbSeries_Click()
{
    fillToleranceList(); // the first item names the series' own tolerance
    inputChanged();
}

void frmCombinations::showAnswers(const Found &found)
{
    m_found = found;
    const QSignalBlocker quiet(lstAnswers);
    lstAnswers->clear();
    const bool divider = found.divider;
    const std::size_t count = divider ? found.dividers.size() : found.values.size();
    for (std::size_t i = 0; i < count; ++i) {
        const QStringList cells = divider ? dividerCells(found.dividers[i], m_prepared.words)
                                          : valueCells(found.values[i], m_prepared.words);
        auto *item = new QTreeWidgetItem(lstAnswers, cells);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < lstAnswers->columnCount(); ++column)
        lstAnswers->resizeColumnToContents(column);
    // The best answer is drawn at once.
    if (count > 0)
        lstAnswers->setCurrentItem(lstAnswers->topLevelItem(0));
    showSelected();
}

void frmCombinations::showStatus(const QString &text)
{
    lblStatus->setText(text);
}

void frmCombinations::lstAnswers_Click()
{
    showSelected();
}

void frmCombinations::showSelected()
{
    const int row = selectedAnswer();
    const UnitWords words = m_prepared.words;
    const auto partText = [words](double ohms) { return ohmsText(ohms, words); };
    if (row < 0) {
        picSchematic->setDrawing({});
        picSchematic->setAccessibleDescription(QString());
    } else if (m_found.divider) {
        const combinations::DividerAnswer answer = m_found.dividers[std::size_t(row)];
        const QString vin = spokenCaption(m_prepared.texts.lblVin);
        const QString vout = spokenCaption(m_prepared.texts.optVout);
        picSchematic->setDrawing([answer, partText, vin, vout](const TextWidth &width) {
            return dividerSchematic(answer.r1, answer.r2, partText, width, vin, vout);
        });
        picSchematic->setAccessibleDescription(
            QStringLiteral("R1 = %1, R2 = %2")
                .arg(combinations::networkText(answer.r1, words.ohms),
                     combinations::networkText(answer.r2, words.ohms)));
    } else {
        const combinations::Network network = m_found.values[std::size_t(row)].network;
        picSchematic->setDrawing([network, partText](const TextWidth &width) {
            return networkSchematic(network, partText, width);
        });
        picSchematic->setAccessibleDescription(combinations::networkText(network, words.ohms));
    }
    cmdCopy->setEnabled(row >= 0);
    cmdToLinkora->setEnabled(row >= 0 && !m_found.divider &&
                             m_found.values[std::size_t(row)].network.isFlat());
}

void frmCombinations::cmdToLinkora_Click()
{
    const int row = selectedAnswer();
    if (row < 0 || m_found.divider)
        return;
    const combinations::Network &network = m_found.values[std::size_t(row)].network;
    if (!network.isFlat())
        return;
    Q_EMIT toLinkora(network.parts(), network.kind == combinations::Network::Kind::Parallel);
}

void frmCombinations::cmdCopy_Click()
{
    const int row = selectedAnswer();
    if (row < 0)
        return;
    const QString text =
        m_found.divider
            ? copiedText(m_found.dividers[std::size_t(row)], m_prepared.texts, m_prepared.words)
            : copiedText(m_found.values[std::size_t(row)], m_prepared.texts, m_prepared.words);
    QGuiApplication::clipboard()->setText(text);
}

} // namespace combination_calc
