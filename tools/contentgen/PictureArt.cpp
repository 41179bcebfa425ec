#include "PictureArt.h"

#include "tools/common/MetafileBuilder.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>

namespace contentgen {

namespace {

// Light, cheerful backgrounds for the pictures: the figure in front must stand out.
constexpr std::array<QRgb, 10> PictureBackgrounds { 0xFFFFD65A, 0xFF8CDCFF, 0xFFAAF096, 0xFFFFAAC8, 0xFFC8AAFF,
                                                    0xFFFFBE78, 0xFF78E6D2, 0xFFFFF096, 0xFFB4D2FF, 0xFFFF9696 };
// Vivid colours for pattern motifs and dots, in hue order.
constexpr std::array<QRgb, 12> Vivid { 0xFFFF4646, 0xFFFF9A1E, 0xFFFFE128, 0xFF96E63C, 0xFF3CC85A, 0xFF28D2BE,
                                       0xFF28C8FF, 0xFF4678FF, 0xFFA05AFF, 0xFFF050DC, 0xFFFF78B4, 0xFFFFFAEB };

QColor PictureBackground(int entry) { return QColor::fromRgb(PictureBackgrounds[std::size_t(entry * 3) % PictureBackgrounds.size()]); }
QColor VividColour(int i) { return QColor::fromRgb(Vivid[std::size_t(i) % 11]); } // the cream is for accents only

QString Emoji(const std::string& text) { return QString::fromStdString(text); }

void DrawEmoji(QPainter& p, const QRectF& box, const QString& emoji)
{
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(std::max(8, int(std::min(box.width(), box.height()) * 0.8)));
    p.save();
    p.setFont(font);
    p.setPen(Qt::black); // text is not drawn at all with no pen, colour glyphs included
    p.drawText(box, Qt::AlignCenter, emoji);
    p.restore();
}

// Grid of `n` cells, rows centred: positions of the cell boxes within `area`.
std::vector<QRectF> CountLayout(int n, const QRectF& area)
{
    static constexpr std::array<std::pair<int, int>, 10> grid { { { 1, 1 }, { 1, 1 }, { 2, 1 }, { 3, 1 }, { 2, 2 },
                                                                  { 3, 2 }, { 3, 2 }, { 4, 2 }, { 4, 2 }, { 3, 3 } } };
    const auto [columns, rows] = grid[std::size_t(n)];
    const qreal cell = std::min(area.width() / columns, area.height() / rows);
    std::vector<QRectF> cells;
    for (int row = 0; row < rows; ++row) {
        const int inRow = std::min(columns, n - row * columns);
        const qreal left = area.center().x() - inRow * cell / 2;
        const qreal top = area.center().y() - rows * cell / 2 + row * cell;
        for (int i = 0; i < inRow; ++i)
            cells.emplace_back(left + i * cell, top, cell, cell);
    }
    return cells;
}

// Dice-like dot positions for 1..9 dots on a unit square.
std::vector<QPointF> DotLayout(int n)
{
    const qreal a = 0.22, m = 0.5, b = 0.78;
    switch (n) {
    case 1: return { { m, m } };
    case 2: return { { a, a }, { b, b } };
    case 3: return { { a, a }, { m, m }, { b, b } };
    case 4: return { { a, a }, { b, a }, { a, b }, { b, b } };
    case 5: return { { a, a }, { b, a }, { m, m }, { a, b }, { b, b } };
    case 6: return { { a, a }, { b, a }, { a, m }, { b, m }, { a, b }, { b, b } };
    case 7: return { { a, a }, { b, a }, { a, m }, { m, m }, { b, m }, { a, b }, { b, b } };
    case 8: return { { a, a }, { m, a }, { b, a }, { a, m }, { b, m }, { a, b }, { m, b }, { b, b } };
    case 9: return { { a, a }, { m, a }, { b, a }, { a, m }, { m, m }, { b, m }, { a, b }, { m, b }, { b, b } };
    default: return {};
    }
}

// The drawing steps of a metafile picture, played both into a metafile and (for checks)
// onto a QPainter.
struct TSketchOp {
    enum TKind { Rect, Ellipse, Polygon, Image } Kind;
    QRect Box;
    QPolygon Points;
    QColor Fill;
    QColor Pen; // invalid: no outline
    int PenWidth { 1 };
    QImage Picture;
};

std::vector<TSketchOp> DotsSketch(const TKeyContent& key, int size)
{
    const int n = std::stoi(Words(key.Picture)[1]);
    std::vector<TSketchOp> ops;
    ops.push_back({ TSketchOp::Rect, QRect(0, 0, size + 1, size + 1), {}, PictureBackground(key.Entry), QColor(), 1, {} });
    const int radius = n <= 1 ? size / 4 : n <= 4 ? size / 7 : size / 9;
    const std::vector<QPointF> dots = DotLayout(n);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const QPoint c(int(dots[i].x() * size), int(dots[i].y() * size));
        ops.push_back({ TSketchOp::Ellipse, QRect(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), {},
                        VividColour(int(i) * 5 + key.Entry), QColor(Qt::white), std::max(2, size / 60), {} });
        const int shine = radius / 3;
        ops.push_back({ TSketchOp::Ellipse,
                        QRect(c.x() - radius / 2 - shine / 2, c.y() - radius / 2 - shine / 2, shine, shine), {},
                        QColor(255, 255, 255), QColor(), 1, {} });
    }
    return ops;
}

QPolygon StarPoints(QPoint centre, int outer, int inner)
{
    QPolygon star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPoint(int(std::lround(centre.x() + r * std::cos(angle))), int(std::lround(centre.y() + r * std::sin(angle))));
    }
    return star;
}

std::vector<TSketchOp> FramedPictureSketch(const TKeyContent& key, int size)
{
    QColor unused;
    std::vector<TSketchOp> ops;
    ops.push_back({ TSketchOp::Image, QRect(0, 0, size, size), {}, {}, {}, 1, RenderPicture(key, size, false, unused) });
    const int r = size / 14;
    for (QPoint c : { QPoint(r + 4, r + 4), QPoint(size - r - 4, r + 4), QPoint(r + 4, size - r - 4),
                      QPoint(size - r - 4, size - r - 4) })
        ops.push_back({ TSketchOp::Polygon, {}, StarPoints(c, r, r * 2 / 5), QColor(255, 230, 40), QColor(255, 150, 0), 2, {} });
    return ops;
}

std::vector<std::uint32_t> Argb(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(std::size_t(rgb.width()) * std::size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            pixels.push_back(rgb.pixel(x, y));
    return pixels;
}

std::uint32_t MfColour(const QColor& c)
{
    return MetafileBuilder::MfRGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

std::vector<MetafileBuilder::TMfPoint16> Points16(const QPolygon& polygon)
{
    std::vector<MetafileBuilder::TMfPoint16> points;
    for (const QPoint& p : polygon)
        points.push_back({ std::int16_t(p.x()), std::int16_t(p.y()) });
    return points;
}

TBytes ToBytes(const std::vector<std::byte>& bytes)
{
    TBytes out(bytes.size());
    std::memcpy(out.data(), bytes.data(), bytes.size());
    return out;
}

TBytes SketchToEmf(const std::vector<TSketchOp>& ops, int size)
{
    using namespace MetafileBuilder;
    TEmfBuilder emf(size, size);
    for (const TSketchOp& op : ops) {
        if (op.Kind == TSketchOp::Image) {
            emf.StretchDIBits(op.Box.x(), op.Box.y(), op.Box.width(), op.Box.height(), op.Picture.width(),
                              op.Picture.height(), Argb(op.Picture), 24);
            continue;
        }
        emf.CreateBrush(1, MfBrushSolid, MfColour(op.Fill));
        emf.SelectObject(1);
        if (op.Pen.isValid()) {
            emf.CreatePen(2, MfPenSolid, op.PenWidth, MfColour(op.Pen));
            emf.SelectObject(2);
        } else {
            emf.SelectObject(MfStockNullPen);
        }
        if (op.Kind == TSketchOp::Rect)
            emf.Rectangle(op.Box.left(), op.Box.top(), op.Box.left() + op.Box.width(), op.Box.top() + op.Box.height());
        else if (op.Kind == TSketchOp::Ellipse)
            emf.Ellipse(op.Box.left(), op.Box.top(), op.Box.left() + op.Box.width(), op.Box.top() + op.Box.height());
        else
            emf.Polygon16(Points16(op.Points));
        emf.SelectObject(MfStockWhiteBrush);
        emf.SelectObject(MfStockBlackPen);
        emf.DeleteObject(1);
        if (op.Pen.isValid())
            emf.DeleteObject(2);
    }
    return ToBytes(emf.Finish());
}

TBytes SketchToWmf(const std::vector<TSketchOp>& ops, int size)
{
    using namespace MetafileBuilder;
    TWmfBuilder wmf(size, size, 96);
    for (const TSketchOp& op : ops) {
        if (op.Kind == TSketchOp::Image) {
            wmf.StretchDIB(op.Box.x(), op.Box.y(), op.Box.width(), op.Box.height(), op.Picture.width(),
                           op.Picture.height(), Argb(op.Picture), 24);
            continue;
        }
        const std::uint16_t brush = wmf.CreateBrush(std::uint16_t(MfBrushSolid), MfColour(op.Fill));
        wmf.SelectObject(brush);
        const std::uint16_t pen = op.Pen.isValid() ? wmf.CreatePen(std::uint16_t(MfPenSolid), op.PenWidth, MfColour(op.Pen))
                                                   : wmf.CreatePen(std::uint16_t(MfPenNull), 1, 0);
        wmf.SelectObject(pen);
        if (op.Kind == TSketchOp::Rect)
            wmf.Rectangle(op.Box.left(), op.Box.top(), op.Box.left() + op.Box.width(), op.Box.top() + op.Box.height());
        else if (op.Kind == TSketchOp::Ellipse)
            wmf.Ellipse(op.Box.left(), op.Box.top(), op.Box.left() + op.Box.width(), op.Box.top() + op.Box.height());
        else
            wmf.Polygon(Points16(op.Points));
        wmf.DeleteObject(brush);
        wmf.DeleteObject(pen);
    }
    return ToBytes(wmf.Finish());
}

// ---- pattern motifs: each draws one seamless tile of side s ----

struct TMotifColours {
    QColor Background, Main, Accent;
};

// Draws `draw` at the tile centre offset by each of the eight neighbours too, so shapes that
// cross an edge continue on the opposite side.
template <typename F>
void Wrapped(QPainter& p, int s, F draw)
{
    for (int dy : { -s, 0, s })
        for (int dx : { -s, 0, s }) {
            p.save();
            p.translate(dx, dy);
            draw();
            p.restore();
        }
}

QPainterPath Heart(QPointF c, qreal r)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + r);
    path.cubicTo(c.x() - r * 1.6, c.y() - r * 0.2, c.x() - r * 0.7, c.y() - r * 1.4, c.x(), c.y() - r * 0.5);
    path.cubicTo(c.x() + r * 0.7, c.y() - r * 1.4, c.x() + r * 1.6, c.y() - r * 0.2, c.x(), c.y() + r);
    return path;
}

QPolygonF StarF(QPointF c, qreal outer, qreal inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
    }
    return star;
}

void DrawMotif(QPainter& p, const std::string& motif, int s, const TMotifColours& c, const TKeyContent& key)
{
    const qreal h = s / 2.0;
    p.setPen(Qt::NoPen);
    if (motif == "stripes") {
        p.fillRect(QRectF(0, 0, s, s / 3.0), c.Main);
        p.fillRect(QRectF(0, s / 2.0, s, s / 6.0), c.Accent);
    } else if (motif == "dots") {
        p.setBrush(c.Main);
        p.drawEllipse(QPointF(h, h), s / 4.0, s / 4.0);
        p.setBrush(c.Accent);
        Wrapped(p, s, [&] { p.drawEllipse(QPointF(0, 0), s / 8.0, s / 8.0); });
    } else if (motif == "checks") {
        p.fillRect(QRectF(0, 0, h, h), c.Main);
        p.fillRect(QRectF(h, h, h, h), c.Main);
        p.setBrush(c.Accent);
        p.drawEllipse(QPointF(h / 2, h / 2), s / 10.0, s / 10.0);
        p.drawEllipse(QPointF(h * 1.5, h * 1.5), s / 10.0, s / 10.0);
    } else if (motif == "stars") {
        p.setBrush(c.Main);
        p.drawPolygon(StarF(QPointF(h, h + s * 0.03), s * 0.36, s * 0.15));
        p.setBrush(c.Accent);
        Wrapped(p, s, [&] { p.drawPolygon(StarF(QPointF(0, 0), s * 0.14, s * 0.06)); });
    } else if (motif == "hearts") {
        p.setBrush(c.Main);
        p.drawPath(Heart(QPointF(h, h + s * 0.04), s * 0.3));
        p.setBrush(c.Accent);
        Wrapped(p, s, [&] { p.drawPath(Heart(QPointF(0, 0), s * 0.12)); });
    } else if (motif == "zigzag") {
        p.setPen(QPen(c.Main, s / 6.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (qreal y : { s * 0.3, s * 0.3 + s })
            p.drawPolyline(QPolygonF({ QPointF(-h, y), QPointF(0, y - s * 0.2), QPointF(h, y), QPointF(s, y - s * 0.2),
                                       QPointF(s + h, y) }));
        p.setPen(QPen(c.Accent, s / 12.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({ QPointF(-h, s * 0.8), QPointF(0, s * 0.6), QPointF(h, s * 0.8), QPointF(s, s * 0.6),
                                   QPointF(s + h, s * 0.8) }));
    } else if (motif == "waves") {
        QPainterPath wave;
        wave.moveTo(0, h);
        for (int x = 0; x <= s; ++x)
            wave.lineTo(x, h + std::sin(x * 2 * std::numbers::pi / s) * s * 0.18);
        p.setPen(QPen(c.Main, s / 5.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(wave);
        p.setPen(QPen(c.Accent, s / 12.0, Qt::SolidLine, Qt::FlatCap));
        p.translate(0, h);
        p.drawPath(wave);
    } else if (motif == "diagonal") {
        p.setPen(QPen(c.Main, s / 4.0, Qt::SolidLine, Qt::FlatCap));
        // each line runs well past the tile so its flat ends never show at an edge
        for (int k = -2; k <= 2; ++k)
            p.drawLine(QPointF(k * s - s, 2 * s), QPointF(k * s + 2 * s, -s));
        p.setPen(QPen(c.Accent, s / 12.0, Qt::SolidLine, Qt::FlatCap));
        for (int k = -2; k <= 2; ++k)
            p.drawLine(QPointF(k * s + h - s, 2 * s), QPointF(k * s + h + 2 * s, -s));
    } else if (motif == "triangles") {
        p.setBrush(c.Main);
        p.drawPolygon(QPolygonF({ QPointF(h, s * 0.12), QPointF(s * 0.88, s * 0.82), QPointF(s * 0.12, s * 0.82) }));
        p.setBrush(c.Accent);
        Wrapped(p, s, [&] { p.drawPolygon(QPolygonF({ QPointF(0, s * 0.12), QPointF(s * 0.14, -s * 0.12), QPointF(-s * 0.14, -s * 0.12) })); });
    } else if (motif == "rings") {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.Main, s / 9.0));
        p.drawEllipse(QPointF(h, h), s * 0.34, s * 0.34);
        p.setPen(QPen(c.Accent, s / 12.0));
        p.drawEllipse(QPointF(h, h), s * 0.16, s * 0.16);
    } else if (motif == "diamonds") {
        p.setBrush(c.Main);
        p.drawPolygon(QPolygonF({ QPointF(h, s * 0.1), QPointF(s * 0.9, h), QPointF(h, s * 0.9), QPointF(s * 0.1, h) }));
        p.setBrush(c.Accent);
        p.drawPolygon(QPolygonF({ QPointF(h, s * 0.35), QPointF(s * 0.65, h), QPointF(h, s * 0.65), QPointF(s * 0.35, h) }));
    } else if (motif == "plaid") {
        QColor main = c.Main, accent = c.Accent;
        main.setAlpha(170);
        accent.setAlpha(200);
        p.fillRect(QRectF(0, s * 0.2, s, s * 0.3), main);
        p.fillRect(QRectF(s * 0.2, 0, s * 0.3, s), main);
        p.fillRect(QRectF(0, s * 0.75, s, s / 12.0), accent);
        p.fillRect(QRectF(s * 0.75, 0, s / 12.0, s), accent);
    } else if (motif == "bricks") {
        p.setPen(QPen(c.Accent, std::max(2.0, s / 16.0)));
        p.setBrush(c.Main);
        const qreal g = std::max(2.0, s / 16.0) / 2;
        p.drawRect(QRectF(g, g, s - 2 * g, h - 2 * g));
        Wrapped(p, s, [&] { p.drawRect(QRectF(-h + g, h + g, s - 2 * g, h - 2 * g)); });
    } else if (motif == "flowers") {
        p.setBrush(c.Main);
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 2 * std::numbers::pi / 5;
            p.drawEllipse(QPointF(h + std::cos(a) * s * 0.2, h + std::sin(a) * s * 0.2), s * 0.14, s * 0.14);
        }
        p.setBrush(c.Accent);
        p.drawEllipse(QPointF(h, h), s * 0.12, s * 0.12);
        Wrapped(p, s, [&] { p.drawEllipse(QPointF(0, 0), s * 0.06, s * 0.06); });
    } else if (motif == "scales") {
        p.setPen(QPen(c.Accent, std::max(1.5, s / 20.0)));
        p.setBrush(c.Main);
        // rows of discs half a disc apart, each row drawn over the one above; the tile holds
        // four rows, so rows -1..5 cover it with the same overlaps at every edge
        for (int row = -1; row <= 5; ++row)
            for (int col = -1; col <= 2; ++col) {
                const qreal x = col * h + (row % 2 != 0 ? h / 2 : 0);
                p.drawEllipse(QRectF(x, row * h / 2 - h / 2, h, h));
            }
    } else if (motif.rfind("emoji ", 0) == 0) {
        DrawEmoji(p, QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), Emoji(motif.substr(6)));
    } else {
        throw std::runtime_error("entry " + std::to_string(key.Entry) + ": unknown pattern motif \"" + motif + "\"");
    }
}

} // namespace

int PictureSize(const TKeyContent& key)
{
    static constexpr std::array<int, 5> sizes { 160, 192, 200, 224, 256 };
    return sizes[std::size_t(key.Entry) % sizes.size()];
}

QImage RenderPicture(const TKeyContent& key, int size, bool transparent, QColor& background)
{
    background = PictureBackground(key.Entry);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(transparent ? QColor(Qt::transparent) : background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::vector<std::string> words = Words(key.Picture);
    if (!transparent) {
        // a soft light disc behind the figure
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(size / 2.0, size / 2.0), size * 0.44, size * 0.44);
    }
    if (words[0] == "emoji") {
        DrawEmoji(p, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88), Emoji(words[1]));
    } else if (words[0] == "count") {
        const int n = std::stoi(words[1]);
        for (const QRectF& cell : CountLayout(n, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88)))
            DrawEmoji(p, cell.adjusted(cell.width() * 0.06, cell.height() * 0.06, -cell.width() * 0.06, -cell.height() * 0.06),
                      Emoji(words[2]));
    } else {
        // dots: the same steps as the metafile version, the background already filled
        for (const TSketchOp& op : DotsSketch(key, size)) {
            if (op.Kind != TSketchOp::Ellipse)
                continue;
            p.setPen(op.Pen.isValid() ? QPen(op.Pen, op.PenWidth) : QPen(Qt::NoPen));
            p.setBrush(op.Fill);
            p.drawEllipse(op.Box);
        }
    }
    return image;
}

TBytes RenderMetafilePicture(const TKeyContent& key, int size, bool enhanced)
{
    const std::vector<TSketchOp> ops = Words(key.Picture)[0] == "dots" ? DotsSketch(key, size) : FramedPictureSketch(key, size);
    return enhanced ? SketchToEmf(ops, size) : SketchToWmf(ops, size);
}

QImage RenderPattern(const TKeyContent& key, bool transparent, QColor& background)
{
    static constexpr std::array<int, 5> sizes { 32, 40, 48, 56, 64 };
    const bool emoji = key.Pattern.rfind("emoji ", 0) == 0;
    const int s = emoji ? 48 + 8 * (key.Entry % 3) : key.Entry % 7 == 0 ? 24 : sizes[std::size_t(key.Entry) % sizes.size()];
    const int hue = key.Entry * 5;
    TMotifColours colours { VividColour(hue), VividColour(hue + 4), VividColour(hue + 8) };
    if (key.Entry % 3 == 0) // some light grounds for variety
        colours.Background = colours.Background.lighter(140);
    if (key.Entry % 4 == 1)
        colours.Accent = QColor::fromRgb(Vivid[11]);
    if (emoji)
        colours.Background = PictureBackground(key.Entry + 1);
    background = colours.Background;
    QImage tile(s, s, QImage::Format_ARGB32_Premultiplied);
    tile.fill(transparent ? QColor(Qt::transparent) : colours.Background);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    DrawMotif(p, key.Pattern, s, colours, key);
    return tile;
}

} // namespace contentgen
