#pragma once

#include "paint/KDTypes.h"
#include "pictures/metafile/MetafileGeometry.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

class TCanvas;

// The device context a metafile plays into: the selected objects, colours, modes, the
// coordinate mapping and the path, with drawing operations in logical coordinates. The
// enhanced and the Windows record readers (MetafileEMF, MetafileWMF) turn records into calls
// of this class; it draws through a TCanvas with the platform's figure rules.

// Pen styles, brush styles and modes with the values metafile records use.
constexpr std::uint32_t MfPS_NULL = 5;
constexpr std::uint32_t MfBS_SOLID = 0;
constexpr std::uint32_t MfBS_NULL = 1;
constexpr std::uint32_t MfBS_HATCHED = 2;
constexpr std::uint32_t MfBS_PATTERN = 3;
constexpr std::uint32_t MfPS_USERSTYLE = 7;
constexpr std::uint32_t MfPS_ALTERNATE = 8;
constexpr std::uint32_t MfPS_ENDCAP_SQUARE = 0x100;
constexpr std::uint32_t MfPS_ENDCAP_FLAT = 0x200;
constexpr int MfR2_COPYPEN = 13;
constexpr int MfTRANSPARENT = 1;
constexpr int MfOPAQUE = 2;
constexpr int MfALTERNATE = 1;
constexpr int MfWINDING = 2;
constexpr std::uint32_t MfTA_UPDATECP = 1;
constexpr std::uint32_t MfTA_RIGHT = 2;
constexpr std::uint32_t MfTA_CENTER = 6;
constexpr std::uint32_t MfTA_BOTTOM = 8;
constexpr std::uint32_t MfTA_BASELINE = 24;
constexpr std::uint32_t MfETO_OPAQUE = 2;
constexpr std::uint32_t MfETO_CLIPPED = 4;
constexpr int MfMM_TEXT = 1;
constexpr int MfMM_ISOTROPIC = 7;
constexpr int MfMM_ANISOTROPIC = 8;

struct TMfPen {
    std::uint32_t Style { 0 }; // the line style (solid, dash, dot, ..., null, user style)
    double Width { 0 };        // logical units; 0 draws one pixel wide
    bool Cosmetic { false };
    TColor Color { clBlack };
    std::uint32_t EndCap { 0 };   // round, MfPS_ENDCAP_SQUARE or MfPS_ENDCAP_FLAT
    std::vector<double> Dashes {}; // user style: lengths of dash and gap, logical units
};

// Solid, null, hatched (Hatch 0 to 5: horizontal, vertical, forward and backward diagonal,
// cross, diagonal cross) or a pattern; a monochrome pattern draws its dark pixels in the
// text colour and its light ones in the background colour.
struct TMfBrush {
    std::uint32_t Style { MfBS_SOLID };
    TColor Color { clWhite };
    std::uint32_t Hatch { 0 };
    QImage Pattern {};
    bool Mono { false };
};

struct TMfFont {
    double Height { 0 }; // logical units: negative the character height, positive the cell height
    double Width { 0 };  // logical units: the average character width, 0 for the typeface's own
    int Weight { 400 };
    bool Italic { false };
    bool Underline { false };
    bool StrikeOut { false };
    std::string Face;
    int Escapement { 0 }; // tenths of a degree, counter-clockwise
};

// A palette, region or other object that can be selected or deleted but draws nothing.
struct TMfOtherObject {};

using TMfObject = std::variant<TMfPen, TMfBrush, TMfFont, TMfOtherObject>;

struct TMfState {
    TMfPen Pen;
    TMfBrush Brush;
    TMfFont Font;
    TColor TextColor { clBlack };
    TColor BkColor { clWhite };
    int BkMode { MfOPAQUE };
    std::uint32_t TextAlign { 0 };
    bool Winding { false };
    bool ArcClockwise { false };
    int MapMode { MfMM_TEXT };
    QPointF WindowOrg { 0, 0 };
    QPointF WindowExt { 1, 1 };
    QPointF ViewportOrg { 0, 0 };
    QPointF ViewportExt { 1, 1 };
    TMfMatrix World;
    QPointF Position { 0, 0 };     // current position, logical
    int Rop2 { MfR2_COPYPEN };     // how pens and brushes combine with the pixels there
    std::optional<QRegion> Clip;   // on the target canvas
};

// Where the picture goes: its frame in reference-device pixels maps onto the target
// rectangle of the canvas.
struct TMfMapping {
    double FrameLeft { 0 }, FrameTop { 0 }, FrameWidth { 1 }, FrameHeight { 1 };
    double TargetLeft { 0 }, TargetTop { 0 }, TargetWidth { 1 }, TargetHeight { 1 };
    double PixelsPerMmX { 96 / 25.4 }, PixelsPerMmY { 96 / 25.4 }; // reference device
    // Enhanced metafiles play in the advanced graphics mode, where an outlined rectangle
    // takes in its right and bottom edges.
    bool InclusiveRectangles { false };
};

class TMetafilePlayer {
public:
    TMetafilePlayer(TCanvas& canvas, const TMfMapping& mapping);

    TMfState& State() { return m_state; }
    // Objects by index (enhanced: the record's index; Windows: the slot).
    void SetObject(std::uint32_t index, TMfObject object);
    bool HasObject(std::uint32_t index) const { return m_objects.count(index) != 0; }
    void SelectObject(std::uint32_t index);
    void DeleteObject(std::uint32_t index);
    void SaveDC();
    void RestoreDC(int which);
    void IntersectClip(double left, double top, double right, double bottom);
    void ExcludeClip(double left, double top, double right, double bottom);
    // Moves the clip region by a logical offset.
    void OffsetClip(double dx, double dy);
    // Combines the clip region with a region given as rectangles in reference-device pixels
    // (clipping regions are stored so), or with the path, which it ends: 1 AND, 2 OR, 3 XOR,
    // 4 DIFF, 5 COPY.
    void CombineDeviceClip(std::span<const QRectF> rects, int mode);
    void SelectClipPath(int mode);
    void ResetClip();

    // Mapping of the state: window/viewport extents ignore zero sizes.
    void SetMapMode(int mode);
    void SetWindowExt(double x, double y);
    void SetViewportExt(double x, double y);
    // Logical coordinates to the target canvas.
    QPointF ToTarget(const QPointF& logical) const;

    // Drawing in logical coordinates. Inside a path bracket the outlines go to the path.
    void MoveTo(const QPointF& p);
    void LineTo(const QPointF& p);
    void Rectangle(double left, double top, double right, double bottom);
    void RoundRect(double left, double top, double right, double bottom, double cornerWidth, double cornerHeight);
    void Ellipse(double left, double top, double right, double bottom);
    enum class TArcKind { Arc, ArcTo, Chord, Pie };
    void ArcFigure(TArcKind kind, double left, double top, double right, double bottom, const QPointF& start,
                   const QPointF& end);
    void Polygon(std::span<const QPointF> points);
    void Polyline(std::span<const QPointF> points);
    void PolylineTo(std::span<const QPointF> points);
    void PolyPolygon(const std::vector<std::vector<QPointF>>& polygons);
    void PolyPolyline(const std::vector<std::vector<QPointF>>& polylines);
    // Cubic Béziers: start point and three points per curve (or, with `to`, from the current
    // position).
    void PolyBezier(std::span<const QPointF> points, bool to);
    void SetPixel(const QPointF& p, TColor color);
    // Text at `reference` (text alignment of the state); `rect` for opaque/clipped options;
    // `dx` the advance of each character in logical units (empty: the font's own).
    void Text(const QPointF& reference, const std::u16string& text, std::uint32_t options,
              const std::optional<std::vector<QPointF>>& rect, const std::vector<double>& dx = {});
    // A bitmap scaled into the logical destination rectangle; the source rectangle is in the
    // bitmap's top-down pixels.
    void StretchBitmap(const QImage& bitmap, double x, double y, double cx, double cy, int xSrc, int ySrc, int cxSrc,
                       int cySrc, std::uint32_t rop);
    // Fills a region, given as rectangles in reference-device pixels, with the brush object
    // `brush` (stock objects too) or, without one, with the selected brush.
    void FillDeviceRegion(std::span<const QRectF> rects, std::optional<std::uint32_t> brush);
    // A raster operation without source bitmap over a logical rectangle (PATCOPY, BLACKNESS...).
    void PatternBlit(double x, double y, double cx, double cy, std::uint32_t rop);
    // Gradients between vertices in logical units with 16-bit colour components: rectangles
    // (pairs of vertex indices) shaded across (mode 0) or down (mode 1), or triangles (mode 2).
    struct TMfVertex {
        QPointF At;
        double Red, Green, Blue;
    };
    void GradientFill(std::span<const TMfVertex> vertices, std::span<const std::uint32_t> indices, std::uint32_t mode);

    // Paths.
    void BeginPath();
    void EndPath() { m_inPath = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath() { DrawPath(true, false); }
    void StrokePath() { DrawPath(false, true); }
    void StrokeAndFillPath() { DrawPath(true, true); }

private:
    struct TFigure {
        std::vector<QPointF> Points; // target coordinates
        bool Closed { false };
    };
    QRect FiguresBounds(const std::vector<TFigure>& figures) const;

    TMfMatrix PageToTarget() const;
    QPointF DeviceToTarget(const QPointF& device) const;
    std::optional<TMfBrush> BrushObject(std::uint32_t index) const;
    void CombineClip(const QRegion& region, int mode);
    QRegion PathRegion() const;
    TMfMatrix LogicalToTarget() const { return m_state.World.Then(PageToTarget()); }
    std::vector<QPointF> MapAll(std::span<const QPointF> logical) const;
    double LineScale() const;

    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();
    void ApplyClip();
    // The canvas drawing goes to: the target, or a layer while a raster operation or a
    // hatched or pattern brush is in use.
    TCanvas& Canvas() { return m_layer ? *m_layer : m_canvas; }
    enum : unsigned { PaintFill = 1, PaintStroke = 2 };
    // Runs `draw` (canvas calls) with the pen and brush applied: the fill and the outline each
    // on a layer that is then combined with the target when they need it.
    void Paint(unsigned parts, const QRect& bounds, const std::function<void()>& draw);
    // Combines the layer's pixels inside `area` with the target and clears them there.
    void Composite(QImage& layer, bool brush, const QImage* exclude, const QRect& area);
    QRect RectBounds(const TRect& r) const;
    QRect PointsBounds(std::span<const QPointF> points) const;
    std::vector<double> PenDashes(int width) const;
    void StrokeLine(std::vector<QPointF> points);

    void AddFigure(std::vector<QPointF> targetPoints, bool closed);
    void FillFigures(const std::vector<TFigure>& figures);
    void StrokeFigures(const std::vector<TFigure>& figures);
    void DrawFigures(const std::vector<TFigure>& figures, bool fill, bool stroke);
    void DrawPath(bool fill, bool stroke);
    void DrawClosedOutline(std::vector<QPointF> logical);
    QFont TextFont(double& stretch);
    // Shapes go to the canvas's own figures unless turned, in a path, or outlined with a
    // styled pen.
    bool DrawsShapesDirectly() const
    {
        const bool styled = (m_state.Pen.Style & 0xF) != 0 && (m_state.Pen.Style & 0xF) != MfPS_NULL;
        return !m_inPath && LogicalToTarget().IsAxisAligned() && !styled;
    }

    TCanvas& m_canvas;
    TCanvas* m_layer { nullptr };
    QImage m_layerImage;
    QImage m_strokeImage;
    TMfMapping m_mapping;
    TMfState m_state;
    std::vector<TMfState> m_saved;
    std::unordered_map<std::uint32_t, TMfObject> m_objects;
    bool m_inPath { false };
    std::vector<TFigure> m_path;
};
