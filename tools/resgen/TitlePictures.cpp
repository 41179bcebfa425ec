#include "TitlePictures.h"

#include "Drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <array>

namespace resgen {

namespace {

const std::array<QColor, 8> LetterColours { QColor(255, 70, 70),  QColor(255, 160, 30), QColor(255, 230, 30),
                                            QColor(90, 230, 80),  QColor(40, 215, 255), QColor(110, 150, 255),
                                            QColor(255, 110, 230), QColor(255, 90, 150) };

void PaintBackdrop(QPainter& painter, const QSizeF& size)
{
    QRadialGradient backdrop(QPointF(size.width() / 2, size.height() * 0.45), size.width() * 0.75);
    backdrop.setColorAt(0, QColor(170, 120, 255));
    backdrop.setColorAt(0.6, QColor(120, 70, 200));
    backdrop.setColorAt(1, QColor(70, 30, 120));
    painter.fillRect(QRectF(QPointF(0, 0), size), backdrop);
}

// "Kedoozle" in bouncing rainbow letters, centred on `centreX` with its baseline at `baseline`.
void PaintWord(QPainter& painter, qreal centreX, qreal baseline, int pixelSize, qreal outline)
{
    const QString word = QStringLiteral("Kedoozle");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    const QFontMetricsF metrics(font);
    const qreal gap = pixelSize / 10.0;
    qreal total = -gap;
    for (QChar c : word)
        total += metrics.horizontalAdvance(c) + gap;
    qreal x = centreX - total / 2;
    for (int i = 0; i < word.size(); ++i) {
        const qreal advance = metrics.horizontalAdvance(word[i]);
        painter.save();
        painter.translate(x + advance / 2, baseline + (i % 2 == 0 ? -pixelSize / 18.0 : pixelSize / 18.0));
        painter.rotate(i % 2 == 0 ? -7 : 6);
        QLinearGradient fill(QPointF(0, -pixelSize * 0.75), QPointF(0, 0));
        fill.setColorAt(0, LetterColours[i].lighter(135));
        fill.setColorAt(1, LetterColours[i]);
        DrawOutlinedText(painter, QPointF(-advance / 2, 0), font, QString(word[i]), fill, QColor(40, 0, 70), outline);
        painter.restore();
        x += advance + gap;
    }
}

void PaintEmoji(QPainter& painter, const QPointF& centre, int pixelSize, const QString& emoji)
{
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    const QRectF box(centre.x() - pixelSize, centre.y() - pixelSize, 2 * pixelSize, 2 * pixelSize);
    painter.drawText(box, Qt::AlignCenter, emoji);
}

struct TFigure {
    QPointF Centre;
    qreal Size;
    int Kind; // 0 disc, 1 star, 2 triangle, 3 square
    QColor Colour;
};

void PaintFigures(QPainter& painter, const std::vector<TFigure>& figures)
{
    for (const TFigure& f : figures) {
        painter.setPen(QPen(QColor(255, 255, 255, 200), f.Size / 10));
        painter.setBrush(f.Colour);
        const QRectF box(f.Centre.x() - f.Size / 2, f.Centre.y() - f.Size / 2, f.Size, f.Size);
        switch (f.Kind) {
        case 0:
            painter.drawEllipse(box);
            break;
        case 1:
            painter.drawPolygon(StarPolygon(f.Centre, f.Size / 2, f.Size / 4.6));
            break;
        case 2:
            painter.drawPolygon(QPolygonF({ QPointF(box.center().x(), box.top()), box.bottomRight(), box.bottomLeft() }));
            break;
        default:
            painter.drawRoundedRect(box, f.Size / 6, f.Size / 6);
            break;
        }
    }
}

} // namespace

QImage SplashPicture()
{
    QImage image = NewImage(400, 400);
    QPainter painter(&image);
    BeginSmooth(painter);
    PaintBackdrop(painter, QSizeF(400, 400));
    PaintFigures(painter, { { { 48, 52 }, 46, 1, QColor(255, 225, 40) },
                            { { 345, 60 }, 44, 0, QColor(255, 90, 90) },
                            { { 140, 38 }, 26, 3, QColor(60, 210, 255) },
                            { { 255, 36 }, 30, 2, QColor(110, 235, 90) },
                            { { 370, 165 }, 28, 1, QColor(255, 150, 220) },
                            { { 36, 282 }, 30, 2, QColor(255, 165, 40) },
                            { { 50, 352 }, 40, 0, QColor(70, 200, 255) },
                            { { 352, 350 }, 48, 1, QColor(255, 240, 90) },
                            { { 200, 370 }, 22, 3, QColor(255, 100, 180) } });
    PaintEmoji(painter, { 105, 122 }, 56, QStringLiteral("\U0001F431"));  // cat
    PaintEmoji(painter, { 295, 122 }, 56, QStringLiteral("\U0001F986"));  // duck
    PaintWord(painter, 200, 228, 64, 7);
    painter.setFont([] {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(22);
        return f;
    }());
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 246, 400, 32), Qt::AlignCenter, QStringLiteral("Press any key!"));
    PaintEmoji(painter, { 120, 316 }, 44, QStringLiteral("\U0001F388"));  // balloon
    PaintEmoji(painter, { 200, 312 }, 44, QStringLiteral("\U0001F34E"));  // apple
    PaintEmoji(painter, { 280, 316 }, 44, QStringLiteral("\U0001F682"));  // train
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage AboutPicture()
{
    QImage image = NewImage(200, 200);
    QPainter painter(&image);
    BeginSmooth(painter);
    PaintBackdrop(painter, QSizeF(200, 200));
    PaintFigures(painter, { { { 28, 30 }, 30, 1, QColor(255, 225, 40) },
                            { { 172, 32 }, 26, 0, QColor(255, 90, 90) },
                            { { 30, 170 }, 24, 2, QColor(110, 235, 90) },
                            { { 170, 168 }, 30, 1, QColor(255, 150, 220) } });
    PaintEmoji(painter, { 100, 62 }, 44, QStringLiteral("\U0001F9F8"));  // teddy bear
    PaintWord(painter, 100, 134, 34, 4);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage AboutBanner()
{
    QImage image = NewImage(123, 38, PanelPurple);
    QPainter painter(&image);
    BeginSmooth(painter);
    PaintBackdrop(painter, QSizeF(123, 38));
    PaintWord(painter, 61.5, 28, 21, 2.6);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace resgen
