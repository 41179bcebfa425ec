#pragma once

// Helpers shared by the resource painters.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>

namespace resgen {

// The control panel's purple: every control-panel bitmap sits on it.
inline const QColor PanelPurple { 102, 51, 153 };
inline const QColor PanelHighlight { 153, 102, 255 };
inline const QColor PanelShadow { 51, 0, 102 };
inline const QColor Ink { 40, 0, 70 }; // outline colour of figures on the purple

// A premultiplied ARGB image filled with `fill` (transparent when invalid).
QImage NewImage(int width, int height, const QColor& fill = QColor());
// Starts an anti-aliased painter on `image`.
void BeginSmooth(QPainter& painter);

// Saves `image` as PNG, reduced to 8 bits per pixel with a colour table when it has at most
// 256 colours (the bitmaps are 256-colour bitmaps). Throws on failure.
void SavePng(const QImage& image, const QString& path, bool indexed = true);
void SaveJpeg(const QImage& image, const QString& path, int quality = 92);
void SaveText(const QString& text, const QString& path);

// Draws `text` in `font` at baseline origin `origin`, filled with `fill` and outlined with a
// `outlineWidth` pen in `outline` (the outline is drawn first so the fill keeps its shape).
void DrawOutlinedText(QPainter& painter, const QPointF& origin, const QFont& font, const QString& text,
                      const QBrush& fill, const QColor& outline, qreal outlineWidth);

// A five-pointed star centred at `centre`.
QPolygonF StarPolygon(QPointF centre, qreal outer, qreal inner, int points = 5);

} // namespace resgen
