#pragma once

#include "config/skin_file.h"

#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QSize>

class QComboBox;
class QWidget;

// Placing controls and windows from the twips of the skin and settings files.
namespace ui
{

void placeRect(QWidget *control, const config::TwipsRect &rect);
void placeAt(QWidget *control, const config::TwipsPoint &place);
// Geometry, font size and bold of a control from one skin entry.
void placeStyled(QWidget *control, const config::StyledRect &entry);
// A drop-down list gets left, top and width; its height follows from its font.
void placeCombo(QComboBox *combo, float left, float top, float width, float fontSize);

// The size of the screen the widget is on (the primary screen when it is on none).
QSize screenSize(const QWidget *widget);
// Where a window's frame stands when centred on its screen, in pixels.
QPoint centredPosition(const QWidget *window);
// Moves a centred window back to the middle of its screen when it has left it.
void keepCentred(QWidget *window);
// Shows a window, back from minimised when it was, in front of the others and active.
void bringForward(QWidget *window);
// Where a window stands (its frame's left and top), in twips, as the settings keep it.
QPointF positionTwips(const QWidget *window);
// The left and top, in twips, of a window of the given size (twips) centred on the screen.
QPointF centredTwips(const QWidget *widget, float width, float height);

// Loads a picture given relative to the program folder ("\Data\Connect1.bmp"), its @2x copy
// on a high-resolution screen. Throws common::Failure naming the file when it is missing or no
// picture.
QPixmap loadPicture(const QString &relative);

// Pictures that react to clicks show the pointing hand.
void setPointingHand(QWidget *control);

} // namespace ui
