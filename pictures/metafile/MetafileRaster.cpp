#include "pictures/metafile/MetafileRaster.h"

#include "paint/Canvas.h"

#include <QPainter>

namespace {

constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color & 0x00FFFFFFu);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

} // namespace

void MfBlitImage(TCanvas& canvas, const TRect& dest, QImage image, std::uint32_t rop)
{
    QPainter::CompositionMode mode;
    switch (rop) {
    case SRCAND:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case SRCPAINT:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case SRCINVERT:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case NOTSRCCOPY:
        image.invertPixels();
        canvas.StretchDrawImage(dest, image);
        return;
    default:
        // Copies, and the operations we do not model, draw the source as it is.
        canvas.StretchDrawImage(dest, image);
        return;
    }
    // The canvas copies images only; these combine through its painter (nearest pixels).
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setCompositionMode(mode);
    painter.drawImage(ToQRect(dest), image);
    painter.restore();
}

void MfPatternFill(TCanvas& canvas, const TRect& dest, std::uint32_t rop, std::optional<TColor> brush)
{
    switch (rop) {
    case PATCOPY:
        if (!brush)
            return;
        canvas.Brush.SetColor(*brush & 0x00FFFFFFu);
        canvas.FillRect(dest);
        return;
    case BLACKNESS:
    case WHITENESS:
        canvas.Brush.SetColor(rop == BLACKNESS ? clBlack : clWhite);
        canvas.FillRect(dest);
        return;
    case DSTINVERT:
    case PATINVERT: {
        if (rop == PATINVERT && !brush)
            return;
        QPainter& painter = canvas.Painter();
        painter.save();
        painter.setCompositionMode(rop == DSTINVERT ? QPainter::RasterOp_NotDestination
                                                    : QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(ToQRect(dest), rop == DSTINVERT ? QColor(Qt::black) : ToQColor(*brush));
        painter.restore();
        return;
    }
    default:
        return;
    }
}
