#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QPixmap>

namespace main_window {

// A colour palette: a panel that opens under a band label; a click on its bare area closes it.
class PalettePanel : public QFrame
{
    Q_OBJECT
public:
    explicit PalettePanel(QWidget *parent = nullptr);
    void setBackgroundPicture(const QPixmap &picture);
Q_SIGNALS:
    void bareAreaClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

// The nominal input box. Its maximum length cuts only what the user types or pastes; texts
// that the program sets are taken whole.
class NominalEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NominalEdit(QWidget *parent = nullptr);
    void setTypingLimit(int limit) { m_limit = limit; }
    int typingLimit() const { return m_limit; }

private:
    void cutToLimit(const QString &edited);
    int m_limit = 3;
    QString m_before;
};

} // namespace main_window
