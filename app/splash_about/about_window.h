#pragma once

#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace config
{
struct GlobalSettings;
}

namespace splash_about
{

// What the about window reads: the skin's title picture and the about lines of the language.
struct AboutPreparation {
    QPixmap title; // null when the picture is "Nothing" or cannot be loaded
    QStringList lines;
};

// Reads them under these settings, touching no window. A missing title picture leaves the
// header empty (the main window's watch on the skin's files names it). Throws common::Failure
// naming the language file when it cannot be read or ends before its about count.
AboutPreparation readAboutPreparation(const config::GlobalSettings &settings);

// The about window: the skin's title picture above the about text of the language file,
// which scrolls upwards through a frame in an endless loop until OK.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // The main window hands over its settings, its background colour and the text colour of
    // its Label1, which this window takes for its own.
    frmAbout(const config::GlobalSettings &settings, const QColor &mainBackground,
             const QColor &mainLabelText, QWidget *parent = nullptr);

    // Colours, picture, text and font, then the scrolling starts. Throws common::Failure
    // naming the language file when it cannot be read or ends before its about count.
    void Form_Load();

    QLabel *Image1 = nullptr;
    QFrame *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;

    void Timer1_Timer();
    void Command1_Click();

    // Label1's top and height inside Picture1, in twips.
    int textTop() const { return m_textTop; }
    int textHeight() const;

private:
    void placeText();

    const config::GlobalSettings &m_settings;
    QColor m_mainBackground;
    QColor m_mainLabelText;
    int m_textTop = 0;
};

} // namespace splash_about
