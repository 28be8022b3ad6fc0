#include "skin_colours.h"

#include <QLabel>
#include <QWidget>

namespace ui
{
namespace
{

void setEnabledColour(QPalette &pal, QPalette::ColorRole role, const QColor &colour)
{
    pal.setColor(QPalette::Active, role, colour);
    pal.setColor(QPalette::Inactive, role, colour);
}

void paint(QWidget *control, const QColor &background, const QColor &text, const QString &font)
{
    if (background.isValid())
        setBackgroundColour(control, background);
    if (text.isValid())
        setTextColour(control, text);
    if (!font.isEmpty())
        setFontFamily(control, font);
}

} // namespace

QColor readableTextOn(const QColor &background)
{
    return background.lightnessF() < 0.5 ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::black);
}

void applySkinScheme(QWidget *control, ControlKind kind, const SkinScheme &s)
{
    switch (kind) {
    case ControlKind::Shape:
        paint(control, QColor(), s.shapeBorder, QString());
        break;
    case ControlKind::Label:
        paint(control, QColor(), s.labelText, s.font);
        break;
    case ControlKind::TextBox:
        paint(control, s.textBoxBackground, s.textBoxText, s.font);
        break;
    case ControlKind::DropDownList:
        paint(control, s.dropDownBackground, s.dropDownText, s.font);
        break;
    case ControlKind::ListBox:
        paint(control, s.listBoxBackground, s.listBoxText, s.font);
        break;
    case ControlKind::Button:
        // The skin gives a button no text colour: take the one that reads on its background.
        paint(control, s.buttonBackground,
              s.buttonBackground.isValid() ? readableTextOn(s.buttonBackground) : QColor(), s.font);
        break;
    case ControlKind::Frame:
        paint(control, QColor(), s.frameText, s.font);
        break;
    }
}

void setTextColour(QWidget *control, const QColor &text)
{
    QPalette pal = control->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        setEnabledColour(pal, role, text);
    control->setPalette(pal);
}

void setBackgroundColour(QWidget *control, const QColor &background)
{
    // A disabled control keeps the skin's background too (a light button on a dark skin would
    // glare); its text stays the style's disabled colour, which is what shows it is disabled.
    QPalette pal = control->palette();
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        setEnabledColour(pal, role, background);
        pal.setColor(QPalette::Disabled, role, background);
    }
    control->setPalette(pal);
}

void setLabelColours(QLabel *label, const QColor &background, const QColor &text)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
}

void setFontFamily(QWidget *control, const QString &family)
{
    // A control that has the family already (from its window) keeps inheriting it: setting it
    // again would only resolve and propagate the same font once more.
    if (control->font().family() == family)
        return;
    QFont font = control->font();
    font.setFamily(family);
    control->setFont(font);
}

void setFontSize(QWidget *control, float points, std::optional<bool> bold)
{
    QFont font = control->font();
    if (points > 0)
        font.setPointSizeF(points);
    if (bold)
        font.setBold(*bold);
    control->setFont(font);
}

} // namespace ui
