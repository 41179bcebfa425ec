#include "PanelBitmaps.h"

#include "Drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <functional>

namespace resgen {

namespace {

constexpr int IconSize = 32;

using TFigure = std::function<void(QPainter&)>;

void OutlinedBrush(QPainter& painter, const QColor& fill)
{
    painter.setPen(QPen(Ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
}

// An unselected picture keeps its shapes but loses most of its brightness, so the selected
// one stands out at a glance.
void Dim(QImage& layer)
{
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QColor c = QColor::fromRgba(qUnpremultiply(line[x]));
            if (c.alpha() == 0)
                continue;
            const int grey = qGray(c.rgb());
            const auto mix = [&](int v, int lavender) { return (v * 40 + grey * 25 + lavender * 35) / 100; };
            QColor dimmed(mix(c.red(), 170), mix(c.green(), 140), mix(c.blue(), 215), c.alpha() * 80 / 100);
            line[x] = qPremultiply(dimmed.rgba());
        }
    }
}

// The selected look: a lighter tile with a glowing yellow frame.
void PaintSelectedFrame(QPainter& painter)
{
    painter.save();
    QRadialGradient glow(QPointF(16, 16), 20);
    glow.setColorAt(0, QColor(175, 130, 255));
    glow.setColorAt(1, QColor(125, 75, 200));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 240, 120, 110), 3));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    painter.setPen(QPen(QColor(255, 214, 0), 1.5));
    painter.drawRoundedRect(QRectF(1.25, 1.25, 29.5, 29.5), 6, 6);
    painter.restore();
}

QImage Compose(const TFigure& figure, bool bright, bool framed)
{
    QImage layer = NewImage(IconSize, IconSize);
    {
        QPainter painter(&layer);
        BeginSmooth(painter);
        figure(painter);
    }
    if (!bright)
        Dim(layer);
    QImage out = NewImage(IconSize, IconSize, PanelPurple);
    QPainter painter(&out);
    BeginSmooth(painter);
    if (framed)
        PaintSelectedFrame(painter);
    painter.drawImage(0, 0, layer);
    return out.convertToFormat(QImage::Format_RGB32);
}

void ClassicFigures(QPainter& p)
{
    OutlinedBrush(p, QColor(255, 70, 70));
    p.drawRect(QRectF(5.5, 6.5, 12, 10));
    OutlinedBrush(p, QColor(70, 190, 255));
    p.drawEllipse(QRectF(14.5, 4.5, 13, 13));
    OutlinedBrush(p, QColor(90, 235, 90));
    p.drawPolygon(QPolygonF({ QPointF(4.5, 27.5), QPointF(11.5, 15.5), QPointF(18.5, 27.5) }));
    OutlinedBrush(p, QColor(255, 225, 0));
    p.drawPie(QRectF(14.5, 14.5, 14, 14), 40 * 16, 280 * 16);
}

void PatternFigure(QPainter& p)
{
    const QRectF disc(4.5, 4.5, 23, 23);
    QPainterPath clip;
    clip.addEllipse(disc);
    p.save();
    p.setClipPath(clip);
    const std::array<QColor, 2> checks { QColor(255, 150, 30), QColor(40, 215, 255) };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const QRectF cell(4 + x * 5, 4 + y * 5, 5, 5);
            p.fillRect(cell, checks[(x + y) % 2]);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255));
            if ((x + y) % 2 == 0)
                p.drawEllipse(cell.center(), 1.1, 1.1);
        }
    p.restore();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
}

void StarFigure(QPainter& p)
{
    QLinearGradient fill(QPointF(16, 4), QPointF(16, 28));
    fill.setColorAt(0, QColor(255, 245, 80));
    fill.setColorAt(1, QColor(255, 150, 0));
    p.setPen(QPen(QColor(150, 60, 0), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(StarPolygon(QPointF(16, 17), 13, 5.6));
}

void PictureFigure(QPainter& p)
{
    const QRectF frame(4, 6, 24, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 205, 255));
    p.drawRect(frame);
    p.setBrush(QColor(255, 225, 40));
    p.drawEllipse(QPointF(22, 12), 3, 3);
    p.setBrush(QColor(70, 200, 70));
    p.save();
    p.setClipRect(frame);
    p.drawEllipse(QRectF(0, 17, 20, 14));
    p.setBrush(QColor(40, 170, 60));
    p.drawEllipse(QRectF(12, 19, 22, 12));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 170, 40), 3));
    p.drawRect(frame);
    p.setPen(QPen(QColor(130, 70, 10), 1));
    p.drawRect(frame.adjusted(-1.5, -1.5, 1.5, 1.5));
}

void LetterFigure(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(25);
    QLinearGradient fill(QPointF(0, 5), QPointF(0, 27));
    fill.setColorAt(0, QColor(255, 130, 230));
    fill.setColorAt(1, QColor(255, 40, 140));
    const qreal width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("A"));
    DrawOutlinedText(p, QPointF(16 - width / 2, 26), font, QStringLiteral("A"), fill, Qt::white, 2.6);
}

void Speaker(QPainter& p)
{
    OutlinedBrush(p, QColor(235, 235, 255));
    p.drawPolygon(QPolygonF({ QPointF(4.5, 12.5), QPointF(9.5, 12.5), QPointF(16.5, 6.5), QPointF(16.5, 25.5),
                              QPointF(9.5, 19.5), QPointF(4.5, 19.5) }));
    p.setPen(QPen(QColor(150, 150, 190), 1));
    p.drawLine(QPointF(9.5, 13), QPointF(9.5, 19));
}

void SpeakerWaves(QPainter& p)
{
    Speaker(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 0), 2, Qt::SolidLine, Qt::RoundCap));
    for (qreal r : { 4.0, 8.0, 12.0 })
        p.drawArc(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
}

void SpeakerMuted(QPainter& p)
{
    Speaker(p);
    p.setPen(QPen(QColor(255, 80, 80), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 12), QPointF(27, 20));
    p.drawLine(QPointF(27, 12), QPointF(20, 20));
}

void ExitDoor(QPainter& p)
{
    // A doorway with its door swung open towards us and a green arrow leading out.
    p.setPen(QPen(QColor(255, 215, 150), 1.5));
    p.setBrush(QColor(30, 10, 50));
    p.drawRect(QRectF(13.5, 4.5, 13, 23));
    OutlinedBrush(p, QColor(245, 150, 60));
    p.drawPolygon(QPolygonF({ QPointF(13.5, 4.5), QPointF(20.5, 7.5), QPointF(20.5, 29.5), QPointF(13.5, 27.5) }));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 60));
    p.drawEllipse(QPointF(18.5, 18), 1.3, 1.3);
    QPainterPath arrow;
    arrow.moveTo(11, 13);
    arrow.lineTo(5, 13);
    arrow.lineTo(5, 9.5);
    arrow.lineTo(0.8, 16);
    arrow.lineTo(5, 22.5);
    arrow.lineTo(5, 19);
    arrow.lineTo(11, 19);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 30), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(80, 235, 110));
    p.drawPath(arrow);
}

} // namespace

QImage PlayModeBitmap(TPlayModeIcon icon, bool selected)
{
    static const std::array<TFigure, 5> figures { ClassicFigures, PatternFigure, StarFigure, PictureFigure, LetterFigure };
    return Compose(figures[static_cast<int>(icon)], selected, selected);
}

QImage SoundBitmap(bool on) { return Compose(on ? TFigure(SpeakerWaves) : TFigure(SpeakerMuted), on, false); }

QImage ExitBitmap(bool up)
{
    // Up: a raised tile lit from the top left; pressed: sunken, the door one pixel lower right.
    QImage out = NewImage(IconSize, IconSize, PanelPurple);
    QPainter painter(&out);
    BeginSmooth(painter);
    const QColor light = up ? PanelHighlight : PanelShadow;
    const QColor dark = up ? PanelShadow : PanelHighlight;
    painter.fillRect(QRect(1, 1, 30, 30), up ? QColor(120, 70, 180) : QColor(85, 40, 130));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(light);
    painter.drawLine(0, 0, 30, 0);
    painter.drawLine(0, 0, 0, 30);
    painter.setPen(dark);
    painter.drawLine(31, 0, 31, 31);
    painter.drawLine(0, 31, 31, 31);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QImage door = NewImage(IconSize, IconSize);
    {
        QPainter doorPainter(&door);
        BeginSmooth(doorPainter);
        doorPainter.translate(up ? 0 : 1, up ? 0 : 1);
        doorPainter.scale(0.94, 0.94);
        doorPainter.translate(1, 1);
        ExitDoor(doorPainter);
    }
    painter.drawImage(0, 0, door);
    painter.end();
    return out.convertToFormat(QImage::Format_RGB32);
}

QImage LogoBitmap()
{
    static const std::array<QColor, 8> colours { QColor(255, 70, 70),  QColor(255, 160, 30), QColor(255, 230, 30),
                                                 QColor(90, 230, 80),  QColor(40, 215, 255), QColor(110, 150, 255),
                                                 QColor(255, 110, 230), QColor(255, 90, 150) };
    const QString word = QStringLiteral("Kedoozle");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(31);
    const QFontMetricsF metrics(font);
    const qreal gap = 3;
    qreal total = -gap;
    for (QChar c : word)
        total += metrics.horizontalAdvance(c) + gap;

    QImage out = NewImage(247, 32, PanelPurple);
    QPainter painter(&out);
    BeginSmooth(painter);
    qreal x = (247 - total) / 2;
    for (int i = 0; i < word.size(); ++i) {
        const qreal advance = metrics.horizontalAdvance(word[i]);
        painter.save();
        // letters bounce a little: alternately raised and tilted
        painter.translate(x + advance / 2, i % 2 == 0 ? 26.5 : 28.5);
        painter.rotate(i % 2 == 0 ? -6 : 5);
        QLinearGradient fill(QPointF(0, -20), QPointF(0, 0));
        fill.setColorAt(0, colours[i].lighter(130));
        fill.setColorAt(1, colours[i]);
        DrawOutlinedText(painter, QPointF(-advance / 2, 0), font, QString(word[i]), fill, Ink, 3.2);
        painter.restore();
        x += advance + gap;
    }
    painter.end();
    return out.convertToFormat(QImage::Format_RGB32);
}

} // namespace resgen
