#pragma once

#include "splash_about/splash_animation.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QTimer;

namespace splash_about
{

// The first window of a run: the program's title and picture and a short drawing animation.
// It ends after five seconds, at the release of a mouse button over its bare surface or at
// Escape or Enter, and then reports finished(); whoever started it shows the main window.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    // The load: the animation's start, the program picture and both timers. A missing picture
    // leaves its place empty.
    void Form_Load();

    qint16 AnimX = kAnimStart;

    QLabel *Label1 = nullptr; // title
    QLabel *Label2 = nullptr; // credits
    QLabel *Image1 = nullptr; // the header picture behind the title
    QLabel *Image2 = nullptr; // the program picture
    QTimer *Timer1 = nullptr; // end of the splash
    QTimer *Timer2 = nullptr; // animation step

    void Timer1_Timer();
    void Timer2_Timer();
    // Stops both timers, closes the window and reports finished(), once.
    void EndSplash();
    bool ended() const { return m_ended; }

    // What the animation has drawn on the window's own surface, below the controls; null
    // until the first step.
    const QImage &surfaceDrawing() const { return m_drawing; }

Q_SIGNALS:
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showTexts();
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QImage m_drawing;
    bool m_ended = false;
    bool m_textsQueued = false;
};

} // namespace splash_about
