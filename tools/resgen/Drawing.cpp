#include "Drawing.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace resgen {

QImage NewImage(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill.isValid() ? fill : QColor(Qt::transparent));
    return image;
}

void BeginSmooth(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

namespace {

// Popularity quantisation: the 256 most frequent colours form the colour table and every
// other pixel takes its nearest entry. The flat colours (the panel purple, outlines) are the
// frequent ones, so they stay exact; only anti-aliased edge shades move slightly. No
// dithering: small bitmaps would look speckled.
QImage ToIndexed8(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QList<QPair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({ it.value(), it.key() });
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> table;
    for (int i = 0; i < byCount.size() && i < 256; ++i)
        table.append(byCount[i].second);
    QHash<QRgb, int> indexOf;
    const auto nearest = [&](QRgb c) {
        if (auto it = indexOf.constFind(c); it != indexOf.cend())
            return it.value();
        int best = 0;
        long bestDistance = std::numeric_limits<long>::max();
        for (int i = 0; i < table.size(); ++i) {
            const long dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]), db = qBlue(c) - qBlue(table[i]);
            const long distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        indexOf.insert(c, best);
        return best;
    };
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(x, y, uint(nearest(image.pixel(x, y) | 0xFF000000u)));
    return out;
}

} // namespace

void SavePng(const QImage& image, const QString& path, bool indexed)
{
    const QImage out = indexed && !image.hasAlphaChannel() ? ToIndexed8(image) : image;
    if (!out.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void SaveJpeg(const QImage& image, const QString& path, int quality)
{
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "JPEG", quality))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void SaveText(const QString& text, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
}

void DrawOutlinedText(QPainter& painter, const QPointF& origin, const QFont& font, const QString& text,
                      const QBrush& fill, const QColor& outline, qreal outlineWidth)
{
    QPainterPath path;
    path.addText(origin, font, text);
    painter.save();
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

QPolygonF StarPolygon(QPointF centre, qreal outer, qreal inner, int points)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        star << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
    return star;
}

} // namespace resgen
