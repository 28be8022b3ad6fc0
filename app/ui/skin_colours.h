#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QLabel;
class QWidget;

// Giving controls the skin's colours and font by their kind, the same way in every window.
namespace ui
{

enum class ControlKind { Shape, Label, TextBox, DropDownList, ListBox, Button, Frame };

// The colours and font that a window gives its controls by kind. An invalid colour or an
// empty font name leaves that property as it is.
struct SkinScheme {
    QColor windowBackground;
    QColor shapeBorder;
    QColor labelText;
    QColor textBoxBackground, textBoxText;
    QColor dropDownBackground, dropDownText;
    QColor listBoxBackground, listBoxText;
    QColor buttonBackground;
    QColor frameText;
    QString font;
    bool operator==(const SkinScheme &) const = default;
};

// Colours and font of one control after its kind. A shape's border colour is its frame's
// foreground (QFrame draws its outline in the WindowText colour).
void applySkinScheme(QWidget *control, ControlKind kind, const SkinScheme &scheme);

// Text colours go to the enabled states only, so a disabled control still looks disabled;
// backgrounds apply to every state.
void setTextColour(QWidget *control, const QColor &text);
void setBackgroundColour(QWidget *control, const QColor &background);
// A label's own background and text (band labels, palette entries).
void setLabelColours(QLabel *label, const QColor &background, const QColor &text);

// Black on a light background, near white on a dark one: for text the skin gives no colour.
QColor readableTextOn(const QColor &background);

void setFontFamily(QWidget *control, const QString &family);
// A size of 0 or less keeps the size; no bold value keeps the weight.
void setFontSize(QWidget *control, float points, std::optional<bool> bold = std::nullopt);

} // namespace ui
