#include "AppIcon.h"

#include "Drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace resgen {

QImage AppIcon(int size)
{
    // Drawn on a 256-unit square; small sizes keep a wider margin and a thicker outline, so
    // the letter still reads at 16 pixels.
    const qreal margin = size <= 24 ? 4 : 12;
    QImage out = NewImage(size, size);
    QPainter painter(&out);
    BeginSmooth(painter);
    painter.scale(size / 256.0, size / 256.0);

    const QRectF tile(margin, margin, 256 - 2 * margin, 256 - 2 * margin);
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, PanelHighlight);
    face.setColorAt(0.45, PanelPurple);
    face.setColorAt(1, PanelShadow);
    painter.setPen(QPen(Ink, size <= 24 ? 10 : 6));
    painter.setBrush(face);
    painter.drawRoundedRect(tile, 44, 44);

    // A yellow star up to the right, as if the letter had just drawn it.
    painter.setPen(QPen(Ink, size <= 24 ? 8 : 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 230, 30));
    painter.drawPolygon(StarPolygon(QPointF(190, 72), 44, 19));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(200);
    const QFontMetricsF metrics(font);
    const QString letter = QStringLiteral("K");
    const qreal advance = metrics.horizontalAdvance(letter);
    painter.translate(112, 214);
    painter.rotate(-6);
    QLinearGradient fill(QPointF(0, -150), QPointF(0, 0));
    fill.setColorAt(0, QColor(255, 70, 70).lighter(130));
    fill.setColorAt(1, QColor(255, 70, 70));
    DrawOutlinedText(painter, QPointF(-advance / 2, 0), font, letter, fill, Ink, size <= 24 ? 22 : 14);
    painter.end();
    return out;
}

} // namespace resgen
