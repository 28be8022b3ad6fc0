#pragma once

#include <QLabel>

namespace ui
{

// A label that reports clicks (a release of the left button over it) and pointer movement:
// band labels, palette entries, the letters and pictures of the tool windows.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
Q_SIGNALS:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace ui
