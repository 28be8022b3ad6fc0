#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QPixmap>
#include <vector>

namespace main_window {

// A colour palette: a panel that opens under a band label; a click on its bare area closes it.
// From the keyboard, Up and Down move a highlight (the keyboard focus) over its entries in
// display order; leaving it with Tab closes it without a choice (Escape is the window's).
class PalettePanel : public QFrame
{
    Q_OBJECT
public:
    explicit PalettePanel(QWidget *parent = nullptr);
    void setBackgroundPicture(const QPixmap &picture);
    // The entries in display order: top to bottom, the left column first.
    void setEntries(std::vector<QWidget *> entries) { m_entries = std::move(entries); }
    // Gives the entry at that place of the display order the focus and reports it.
    void highlight(int place);
    // Place of the entry that has the focus, or -1.
    int highlighted() const;
Q_SIGNALS:
    void bareAreaClicked();
    void entryHighlighted(int place);
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QPixmap m_picture;
    std::vector<QWidget *> m_entries;
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
