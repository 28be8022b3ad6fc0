#include "band_widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace main_window {

PalettePanel::PalettePanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
}

void PalettePanel::setBackgroundPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PalettePanel::mousePressEvent(QMouseEvent *event)
{
    // A press on a colour entry comes here too (labels pass presses on); only the bare area
    // closes the palette, so the entry's click can still make its choice.
    if (!childAt(event->position().toPoint()))
        Q_EMIT bareAreaClicked();
    QFrame::mousePressEvent(event);
}

void PalettePanel::paintEvent(QPaintEvent *event)
{
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }
    QFrame::paintEvent(event);
}

void PalettePanel::highlight(int place)
{
    if (place < 0 || place >= int(m_entries.size()))
        return;
    m_entries[std::size_t(place)]->setFocus(Qt::OtherFocusReason);
    Q_EMIT entryHighlighted(place);
}

int PalettePanel::highlighted() const
{
    // The window's focus widget, whether or not the window is active right now.
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i] == window()->focusWidget())
            return int(i);
    return -1;
}

void PalettePanel::keyPressEvent(QKeyEvent *event)
{
    // The entries pass on the keys they do not use; Escape goes on to the window, which closes
    // whichever palette is open.
    const int current = highlighted();
    switch (event->key()) {
    case Qt::Key_Up:
        highlight(qMax(current - 1, 0));
        break;
    case Qt::Key_Down:
        highlight(qMin(current + 1, int(m_entries.size()) - 1));
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool PalettePanel::focusNextPrevChild(bool next)
{
    // Tab closes the palette as Escape does, then goes on from the band label.
    Q_EMIT dismissed();
    return QFrame::focusNextPrevChild(next);
}

NominalEdit::NominalEdit(QWidget *parent) : QLineEdit(parent)
{
    // textEdited comes only from typing, pasting and other user edits.
    connect(this, &QLineEdit::textEdited, this, &NominalEdit::cutToLimit);
    // textEdited comes before textChanged; remember the text as it now stands (a signal
    // queued before a cut may carry the uncut text).
    connect(this, &QLineEdit::textChanged, this, [this] { m_before = text(); });
}

void NominalEdit::cutToLimit(const QString &edited)
{
    // Find what the edit inserted and keep only as much of it as the limit allows, the way a
    // text box with a maximum length treats typing and pasting.
    const QString &before = m_before;
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < edited.size() && before[prefix] == edited[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < edited.size() - prefix &&
           before[before.size() - 1 - suffix] == edited[edited.size() - 1 - suffix])
        ++suffix;
    const QString inserted = edited.mid(prefix, edited.size() - prefix - suffix);
    const qsizetype kept = edited.size() - inserted.size();
    if (edited.size() <= m_limit || inserted.isEmpty())
        return;
    const qsizetype room = qMax<qsizetype>(0, m_limit - kept);
    const QString cut = edited.left(prefix) + inserted.left(room) + edited.right(suffix);
    setText(cut);
    setCursorPosition(int(prefix + qMin(room, inserted.size())));
}

} // namespace main_window
