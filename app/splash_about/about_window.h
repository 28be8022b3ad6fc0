#pragma once

#include <QColor>
#include <QDialog>

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
