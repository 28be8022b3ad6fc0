#include "resistor_display.h"

#include "common/failure.h"
#include "common/sharp_picture.h"

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
    const qreal ratio = devicePixelRatioF();
    const bool sharpFits = ratio > 1 ? !m_sharp.isNull() && m_sharp.devicePixelRatio() == ratio &&
                                           m_sharp.deviceIndependentSize() == QSizeF(wanted)
                                     : m_sharp.isNull();
    if (m_image.size() == wanted && sharpFits)
        return;
    const auto grown = [&](const QImage &old, qreal scale) {
        QImage image(wanted * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(m_background);
        QPainter painter(&image);
        painter.drawImage(QRectF(QPointF(0, 0), old.deviceIndependentSize()), old);
        return image;
    };
    if (m_image.size() != wanted)
        m_image = grown(m_image, 1);
    // A ratio that changes (the window moved to another screen) starts from the plain image.
    if (ratio <= 1)
        m_sharp = QImage();
    else if (!sharpFits)
        m_sharp = grown(m_sharp.isNull() || m_sharp.devicePixelRatio() != ratio ? m_image : m_sharp,
                        ratio);
}

void ResistorDisplay::clear()
{
    fitImage();
    m_image.fill(m_background);
    if (!m_sharp.isNull())
        m_sharp.fill(m_background);
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
    painter.end();
    if (!m_sharp.isNull()) {
        const QImage sharp = common::loadSharpImage(file, m_sharp.devicePixelRatio());
        QPainter sharpPainter(&m_sharp);
        // Without a copy the picture is enlarged pixel by pixel, as a plain display would be.
        const bool copied = sharp.devicePixelRatio() > 1;
        sharpPainter.setRenderHint(QPainter::SmoothPixmapTransform, copied);
        sharpPainter.drawImage(QRectF(topLeft, picture.size()), copied ? sharp : picture);
    }
    update();
}

void ResistorDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.drawImage(0, 0, m_sharp.isNull() ? m_image : m_sharp);
}

void ResistorDisplay::resizeEvent(QResizeEvent *event)
{
    fitImage(); // a new size keeps what was painted, as far as it still fits
    QWidget::resizeEvent(event);
}

} // namespace main_window
