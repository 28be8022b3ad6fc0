#pragma once

#include <QLabel>

namespace ui
{

// A label that reports clicks (a release of the left button over it) and pointer movement:
// band labels, palette entries, the letters and pictures of the tool windows.
//
// When it has the keyboard focus, Space, Enter and Return click it as the mouse does, and a
// focus frame in two contrasting colours shows the focus on any background. Assistive
// technology sees it as a button named by its accessible name, or else by its text.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
Q_SIGNALS:
    void clicked();
    // After clicked(), when a key made the click.
    void keyActivated();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// The words of a caption as a name: without the closing colon.
QString nameFromCaption(const QString &caption);

} // namespace ui
