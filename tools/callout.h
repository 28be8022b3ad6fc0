#pragma once

// The numbered circle by which the manual's texts point at parts of a picture.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace artwork
{

inline void drawCallout(QPainter &p, QPointF centre, int number,
                        const QColor &colour = QColor(0x2E, 0x5C, 0x8A))
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(colour);
    p.drawEllipse(centre, 12, 12);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QString text = QString::number(number);
    const QFontMetricsF fm(font);
    p.drawText(QPointF(centre.x() - fm.horizontalAdvance(text) / 2,
                       centre.y() + (fm.ascent() - fm.descent()) / 2),
               text);
    p.restore();
}

} // namespace artwork
