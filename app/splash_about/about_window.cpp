#include "splash_about/about_window.h"

#include "common/sharp_picture.h"
#include "common/program_folder.h"
#include "common/units.h"
#include "config/global_settings.h"
#include "config/language_file.h"
#include "config/skin_file.h"
#include "splash_about/about_text.h"
#include "ui/skin_colours.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace splash_about
{
namespace
{

using common::pixelsToTwips;
using common::twipsToPixels;

// The window's design, in twips.
constexpr int kWidth = 6300, kHeight = 3765;
constexpr int kFrameLeft = 150, kFrameTop = 1080;
constexpr int kTextMargin = 120; // between the frame's sides and the text

void placeTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

} // namespace

AboutPreparation readAboutPreparation(const config::GlobalSettings &settings)
{
    AboutPreparation p;
    if (!config::isNoPicture(settings.picMark))
        p.title = common::loadSharpPixmap(common::programPath(settings.picMark));
    p.lines = readAboutLines(config::languageFilePath(settings.Lang));
    return p;
}

frmAbout::frmAbout(const config::GlobalSettings &settings, const QColor &mainBackground,
                   const QColor &mainLabelText, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_mainBackground(mainBackground),
      m_mainLabelText(mainLabelText)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About..."));
    setModal(true);
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));

    // The title picture is shown at its natural size; what does not fit is cut at the edge.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Image1, kFrameLeft, 120, kWidth - 2 * kFrameLeft, 840);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    placeTwips(Picture1, kFrameLeft, kFrameTop, kAboutViewportWidth, kAboutViewportHeight);

    Label1 = new QLabel(Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The language file's lines are shown as they are, even one that looks like markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, kFrameLeft + kAboutViewportWidth + 150,
               kFrameTop + kAboutViewportHeight - 420, 1155, 420);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    m_textTop = kAboutTextTop;
    placeText();
}

void frmAbout::Form_Load()
{
    const AboutPreparation p = readAboutPreparation(m_settings);
    ui::setBackgroundColour(this, m_mainBackground);
    ui::setBackgroundColour(Picture1, m_mainBackground);
    ui::SkinScheme button;
    button.buttonBackground = common::colourFromValue(m_settings.ButtonColor);
    ui::applySkinScheme(Command1, ui::ControlKind::Button, button);

    if (!p.title.isNull())
        Image1->setPixmap(p.title);
    Label1->setText(aboutCaption(p.lines));

    ui::setTextColour(Label1, m_mainLabelText);
    ui::setFontFamily(Label1, m_settings.GeneralFont);
    ui::setFontSize(Label1, 0, true);
    m_textTop = kAboutTextTop;
    placeText();
    Timer1->start();
}

int frmAbout::textHeight() const
{
    return int(pixelsToTwips(Label1->height()));
}

void frmAbout::Timer1_Timer()
{
    m_textTop = nextAboutTextTop(m_textTop, textHeight());
    Label1->move(Label1->x(), twipsToPixels(m_textTop));
}

void frmAbout::Command1_Click()
{
    Timer1->stop();
    accept();
}

void frmAbout::placeText()
{
    const int width = twipsToPixels(kAboutViewportWidth - 2 * kTextMargin);
    const int height = Label1->text().isEmpty() ? 0 : Label1->heightForWidth(width);
    Label1->setGeometry(twipsToPixels(kTextMargin), twipsToPixels(m_textTop), width, height);
}

} // namespace splash_about
