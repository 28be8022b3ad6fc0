// The main window's reading help: the hint below the display after a decoding or an encoding,
// and the two nearest preferred values that an encoding of another value offers instead.

#include "colour_code/encoding.h"
#include "common/numbers.h"
#include "common/units.h"
#include "main_window/band_widgets.h"
#include "main_window/form1.h"
#include "ui/click_label.h"
#include "ui/placement.h"
#include "ui/skin_colours.h"
#include "ui/window_surface.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace main_window
{

namespace
{

// Room kept under the hint, in pixels, when a skin leaves the window too short for it.
constexpr int kHintMargin = 6;
// Room between the neighbour choices and the line of SMD codes below them.
constexpr int kChoiceGap = 2;

// How far the line of SMD codes moves down so that it comes below the neighbour choices shown
// over the hint (under its first line), after linesAbove lines of text.
int smdLineGap(const QLabel *hint, int linesAbove,
               std::initializer_list<std::pair<const QWidget *, QString>> choices)
{
    int bottom = 0;
    for (const auto &[choice, caption] : choices)
        if (!caption.isEmpty() && choice->geometry().intersects(hint->geometry()))
            bottom = std::max(bottom, choice->geometry().bottom() + 1 + kChoiceGap);
    const int textBottom = hint->y() + hint->fontMetrics().lineSpacing() * linesAbove;
    return std::max(0, bottom - textBottom);
}

} // namespace

void Form1::createReadingHint()
{
    lblHint = new QLabel(m_surface);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(16, 506, 868, 76);
    lblHint->setWordWrap(true);
    lblHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHint->setTextFormat(Qt::RichText);
    registerControl(lblHint, ui::ControlKind::Label);
    const auto makeChoice = [this](const char *name, int left) {
        auto *choice = new ClickLabel(m_surface);
        choice->setObjectName(QString::fromLatin1(name));
        choice->setGeometry(left, 530, 160, 26);
        choice->setFrameStyle(QFrame::Box | QFrame::Plain);
        choice->setAlignment(Qt::AlignCenter);
        choice->setAutoFillBackground(true);
        choice->setFocusPolicy(Qt::TabFocus);
        choice->hide();
        ui::setPointingHand(choice);
        registerControl(choice, ui::ControlKind::Label);
        return choice;
    };
    lblHintBelow = makeChoice("lblHintBelow", 16);
    lblHintAbove = makeChoice("lblHintAbove", 184);
    connect(lblHintBelow, &ClickLabel::clicked, this,
            [this] { guarded([this] { lblHintBelow_Click(); }); });
    connect(lblHintAbove, &ClickLabel::clicked, this,
            [this] { guarded([this] { lblHintAbove_Click(); }); });
}

void Form1::placeReadingHint()
{
    ui::placeRect(lblHint, skin.lblHint.rect);
    ui::setFontSize(lblHint, skin.lblHint.fontSize);
    ui::placeRect(lblHintBelow, skin.lblHintBelow);
    ui::placeRect(lblHintAbove, skin.lblHintAbove);
    for (ClickLabel *choice : {lblHintBelow, lblHintAbove}) {
        ui::setFontSize(choice, skin.lblHint.fontSize);
        // Choices look like the buttons they act as, with the labels' text colour.
        ui::setLabelColours(choice, common::colourFromValue(skin.ButtonColor),
                            common::colourFromValue(skin.LabelColours[1]));
    }
    // A skin that does not place the hint may leave the window too short for it.
    int bottom = 0;
    for (const QWidget *control :
         std::initializer_list<QWidget *>{lblHint, lblHintBelow, lblHintAbove})
        bottom = std::max(bottom, control->geometry().bottom() + 1);
    const int needed = bottom + kHintMargin + menuBar()->sizeHint().height();
    if (height() < needed) {
        resize(width(), needed);
        if (settings.isCentred(settings.FormCentring))
            move(ui::centredPosition(this));
    }
}

void Form1::setReadingHint(const colour_code::ReadingHintRequest &request)
{
    m_hintRequest = request;
    ShowReadingHint();
}

void Form1::showDecodedHint()
{
    colour_code::ReadingHintRequest request;
    request.kind = colour_code::ReadingHintRequest::Kind::Decoded;
    request.marking = {marking.BandCount, marking.BandCodes};
    setReadingHint(request);
}

void Form1::showEncodedHint(const QString &bandWord, const QString &unitWord,
                            const QString &toleranceItem)
{
    colour_code::ReadingHintRequest request;
    request.kind = colour_code::ReadingHintRequest::Kind::Encoded;
    request.bandCount = colour_code::BandCountFromIndex(bandWordIndex(bandWord));
    request.ohms = common::leadingNumber(txtNominal->text()) *
                   colour_code::UnitFactor(unitWordIndex(unitWord));
    request.tolerance = common::leadingNumber(QString(toleranceItem).remove(u'%'));
    setReadingHint(request);
}

void Form1::ShowReadingHint()
{
    m_hint = colour_code::ComputeReadingHint(m_hintRequest, tables);
    colour_code::ReadingHintText text;
    QString smd;
    if (m_hint) {
        text = colour_code::ComposeReadingHint(*m_hint, texts.ReadingHint, texts.LangTexts,
                                               texts.ColourNames);
        smd = colour_code::SmdCodesLine(m_hint->ohms, texts.ReadingHint);
    }

    // The first line says what the value is; a value that no maker sells carries a warning sign.
    QStringList shown;
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        const QString line = text.lines[i].toHtmlEscaped();
        shown << (i > 0 ? line
                        : QStringLiteral("<b>%1%2</b>")
                              .arg(text.warning ? QStringLiteral("⚠ ") : QString(), line));
    }
    QString html = shown.join(QStringLiteral("<br>"));
    if (!smd.isEmpty())
        html += QStringLiteral("<div style=\"margin-top:%1px\">%2</div>")
                    .arg(smdLineGap(lblHint, int(shown.size()),
                                    {{lblHintBelow, text.below}, {lblHintAbove, text.above}}))
                    .arg(smd.toHtmlEscaped());
    lblHint->setText(html);
    // A decoding with three readings to offer and its codes may need more room than the skin
    // gives the hint: it grows down, within the window.
    ui::placeRect(lblHint, skin.lblHint.rect);
    const int needed = lblHint->heightForWidth(lblHint->width());
    // The window's own height: the surface takes its size only when the window shows.
    const int room = height() - menuBar()->sizeHint().height() - lblHint->y();
    if (needed > lblHint->height())
        lblHint->resize(lblHint->width(), std::max(lblHint->height(), std::min(needed, room)));
    const QString title = texts.ReadingHint.title;
    const QString spoken = (smd.isEmpty() ? text.lines : text.lines + QStringList{smd}).join(u'\n');
    // The name carries the text, so a screen reader hears each new hint as a name change.
    lblHint->setAccessibleName(spoken.isEmpty() ? title : title + QStringLiteral(": ") + spoken);

    const bool choiceHadFocus = lblHintBelow->hasFocus() || lblHintAbove->hasFocus();
    const std::pair<ClickLabel *, QString> choices[] = {{lblHintBelow, text.below},
                                                        {lblHintAbove, text.above}};
    for (const auto &[choice, caption] : choices) {
        choice->setText(caption);
        choice->setAccessibleDescription(text.lines.value(0));
        choice->setVisible(!caption.isEmpty());
    }
    // A chosen value leaves no choice to stand on: the keyboard goes back to the encode button.
    if (choiceHadFocus && !lblHintBelow->isVisible() && !lblHintAbove->isVisible())
        Command2->setFocus(Qt::OtherFocusReason);
}

void Form1::chooseNeighbour(const std::optional<colour_code::NeighbourChoice> &choice)
{
    if (!choice)
        return;
    cmbEdinIzmereniya->setCurrentIndex(choice->unitIndex);
    txtNominal->setText(choice->nominalText);
    Command2_Click();
}

void Form1::lblHintBelow_Click()
{
    if (m_hint)
        chooseNeighbour(m_hint->below);
}

void Form1::lblHintAbove_Click()
{
    if (m_hint)
        chooseNeighbour(m_hint->above);
}

} // namespace main_window
