#include "resistor_display.h"

#include "common/failure.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QResizeEvent>

namespace main_window {

ResistorDisplay::ResistorDisplay(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = QImage(QSize(1, 1), QImage::Format_RGB32);
    m_image.fill(m_background);
}

void ResistorDisplay::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

void ResistorDisplay::fitImage()
{
    // A hidden widget learns its new size only when shown; the image follows the geometry.
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (m_image.size() == wanted)
        return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(m_background);
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_image);
    painter.end();
    m_image = grown;
}

void ResistorDisplay::clear()
{
    fitImage();
    m_image.fill(m_background);
    update();
}

void ResistorDisplay::paintPicture(const QString &file, QPoint topLeft)
{
    QImageReader reader(file);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        const QString why = QFileInfo::exists(file) ? reader.errorString()
                                                    : QStringLiteral("the file does not exist");
        throw common::Failure(QStringLiteral("Cannot load the picture %1: %2").arg(file, why));
    }
    fitImage();
    QPainter painter(&m_image);
    painter.drawImage(topLeft, picture);
    update();
}

void ResistorDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.drawImage(0, 0, m_image);
}

void ResistorDisplay::resizeEvent(QResizeEvent *event)
{
    fitImage(); // a new size keeps what was painted, as far as it still fits
    QWidget::resizeEvent(event);
}

} // namespace main_window
