#include "pictures/Metafile.h"

#include "base/ByteReader.h"
#include "base/Exceptions.h"
#include "base/Random.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "pictures/metafile/MetafileEMF.h"
#include "pictures/metafile/MetafilePlayer.h"
#include "pictures/metafile/MetafileWMF.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::uint32_t EnhancedSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t EnhancedHeaderSize = 88;
constexpr std::size_t PlaceableHeaderSize = 22;
constexpr std::size_t WindowsHeaderSize = 18;
constexpr std::uint32_t EMR_EOF = 14;
// A picture larger than this is a damaged header, not a drawing.
constexpr double MaxPictureSize = 1 << 20;

struct TParsed {
    std::size_t Length { 0 }; // bytes that belong to the metafile
    int Width { 0 };
    int Height { 0 };
    TMetafile::TFrame Frame;
};

bool SizeIsSound(double width, double height)
{
    return std::isfinite(width) && std::isfinite(height) && width >= 0.5 && height >= 0.5 && width <= MaxPictureSize
        && height <= MaxPictureSize;
}

// Every record from the header on has a size of at least 8, a multiple of 4, within the
// stated length.
bool EnhancedRecordsAreSound(const TByteReader& r, std::size_t first, std::size_t length)
{
    std::size_t position = first;
    while (position < length) {
        if (length - position < 8)
            return false;
        const std::uint32_t type = r.U32At(position);
        const std::uint32_t size = r.U32At(position + 4);
        if (size < 8 || size % 4 != 0 || size > length - position)
            return false;
        position += size;
        if (type == EMR_EOF)
            return true;
    }
    return true;
}

bool ParseEnhanced(std::span<const std::byte> data, TParsed& out)
{
    const TByteReader r(data);
    if (data.size() < EnhancedHeaderSize || r.U32At(0) != 1 || r.U32At(40) != EnhancedSignature)
        return false;
    const std::uint32_t headerSize = r.U32At(4);
    const std::uint32_t length = r.U32At(48);
    if (headerSize < EnhancedHeaderSize || headerSize % 4 != 0 || headerSize > length || length % 4 != 0
        || length > data.size())
        return false;
    if (!EnhancedRecordsAreSound(r, 0, length))
        return false;

    const auto at = [&](std::size_t offset) { return double(std::int32_t(r.U32At(offset))); };
    const double boundsLeft = at(8), boundsTop = at(12), boundsRight = at(16), boundsBottom = at(20);
    const double frameLeft = at(24), frameTop = at(28), frameRight = at(32), frameBottom = at(36);
    const double deviceX = at(72), deviceY = at(76), mmX = at(80), mmY = at(84);

    TMetafile::TFrame& f = out.Frame;
    bool haveSize = false;
    if (deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0) {
        // The frame is in 0.01 mm; the reference device says how many pixels that is.
        f.PixelsPerMmX = deviceX / mmX;
        f.PixelsPerMmY = deviceY / mmY;
        f.Left = frameLeft * f.PixelsPerMmX / 100;
        f.Top = frameTop * f.PixelsPerMmY / 100;
        f.Width = (frameRight - frameLeft) * f.PixelsPerMmX / 100;
        f.Height = (frameBottom - frameTop) * f.PixelsPerMmY / 100;
        haveSize = SizeIsSound(f.Width, f.Height);
    }
    if (!haveSize) {
        // Without a usable frame the bounds, inclusive device pixels, give the size.
        f.Left = boundsLeft;
        f.Top = boundsTop;
        f.Width = boundsRight - boundsLeft + 1;
        f.Height = boundsBottom - boundsTop + 1;
        if (!SizeIsSound(f.Width, f.Height))
            return false;
    }
    out.Length = length;
    out.Width = Round(f.Width);
    out.Height = Round(f.Height);
    return true;
}

bool WindowsRecordsAreSound(const TByteReader& r, std::size_t first, std::size_t length)
{
    std::size_t position = first;
    while (length - position >= 6) {
        const std::uint64_t size = std::uint64_t(r.U32At(position)) * 2;
        if (size < 6 || size > length - position)
            return false;
        if (r.U16At(position + 4) == 0) // the end record
            return true;
        position += std::size_t(size);
    }
    return position == length;
}

bool ParsePlaceable(std::span<const std::byte> data, TParsed& out)
{
    const TByteReader r(data);
    if (data.size() < PlaceableHeaderSize + WindowsHeaderSize || r.U32At(0) != PlaceableKey)
        return false;
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 10; ++i)
        checksum ^= r.U16At(2 * i);
    if (checksum != r.U16At(20))
        return false;
    const double left = std::int16_t(r.U16At(6)), top = std::int16_t(r.U16At(8));
    const double right = std::int16_t(r.U16At(10)), bottom = std::int16_t(r.U16At(12));
    const double unitsPerInch = r.U16At(14);
    if (unitsPerInch == 0)
        return false;

    // The metafile header: memory or disk metafile, 9 words, version 1 or 3.
    const std::size_t h = PlaceableHeaderSize;
    const std::uint16_t type = r.U16At(h);
    const std::uint16_t version = r.U16At(h + 4);
    const std::uint64_t length = std::uint64_t(r.U32At(h + 6)) * 2;
    if ((type != 1 && type != 2) || r.U16At(h + 2) != 9 || (version != 0x0100 && version != 0x0300))
        return false;
    if (length < WindowsHeaderSize || length > data.size() - h)
        return false;
    if (!WindowsRecordsAreSound(r, h + WindowsHeaderSize, h + std::size_t(length)))
        return false;

    TMetafile::TFrame& f = out.Frame;
    f.BoxLeft = left;
    f.BoxTop = top;
    f.BoxWidth = right - left;
    f.BoxHeight = bottom - top;
    f.Left = 0;
    f.Top = 0;
    f.Width = std::abs(f.BoxWidth) * 96 / unitsPerInch;
    f.Height = std::abs(f.BoxHeight) * 96 / unitsPerInch;
    if (!SizeIsSound(f.Width, f.Height))
        return false;
    out.Length = h + std::size_t(length);
    out.Width = Round(f.Width);
    out.Height = Round(f.Height);
    return true;
}

} // namespace

void TMetafile::LoadFromStream(TStream& stream)
{
    const std::size_t start = stream.Position();
    std::vector<std::byte> bytes = stream.ReadRemaining();
    TParsed parsed;
    bool enhanced = true;
    if (!ParseEnhanced(bytes, parsed)) {
        enhanced = false;
        if (!ParsePlaceable(bytes, parsed)) {
            stream.SetPosition(start);
            RaiseRes<EInvalidGraphic>(Str::InvalidMetafile);
        }
    }
    bytes.resize(parsed.Length);
    m_data = std::move(bytes);
    m_enhanced = enhanced;
    m_width = parsed.Width;
    m_height = parsed.Height;
    m_frame = parsed.Frame;
}

void TMetafile::Draw(TCanvas& canvas, const TRect& rect)
{
    QImage* target = canvas.Image();
    if (Empty() || rect.IsEmpty() || !target || target->isNull())
        return;
    // The records play on a copy of the visible part of the rectangle, which then goes back
    // whole: so the picture never reaches outside the rectangle, the canvas keeps its pen,
    // brush, font and clip, and raster operations still see the pixels underneath.
    const TRect visible = Rect(std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, target->width()),
                               std::min(rect.Bottom, target->height()));
    if (visible.IsEmpty())
        return;
    QImage work = target->copy(visible.Left, visible.Top, visible.Width(), visible.Height());
    work = work.convertToFormat(work.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (work.isNull())
        return;

    TMfMapping mapping;
    mapping.FrameLeft = m_frame.Left;
    mapping.FrameTop = m_frame.Top;
    mapping.FrameWidth = m_frame.Width;
    mapping.FrameHeight = m_frame.Height;
    mapping.TargetLeft = rect.Left - visible.Left;
    mapping.TargetTop = rect.Top - visible.Top;
    mapping.TargetWidth = rect.Width();
    mapping.TargetHeight = rect.Height();
    mapping.PixelsPerMmX = m_frame.PixelsPerMmX;
    mapping.PixelsPerMmY = m_frame.PixelsPerMmY;
    mapping.InclusiveRectangles = m_enhanced;
    {
        TCanvas playCanvas(&work);
        TMetafilePlayer player(playCanvas, mapping);
        if (m_enhanced) {
            PlayEnhancedMetafileRecords(player, m_data);
        } else {
            // The bounding box fills the frame until the file sets its own window.
            TMfState& state = player.State();
            state.MapMode = MfMM_ANISOTROPIC;
            state.WindowOrg = { m_frame.BoxLeft, m_frame.BoxTop };
            player.SetWindowExt(m_frame.BoxWidth, m_frame.BoxHeight);
            player.SetViewportExt(m_frame.Width, m_frame.Height);
            PlayWindowsMetafileRecords(player, std::span<const std::byte>(m_data).subspan(PlaceableHeaderSize));
        }
    }
    canvas.CopyRect(visible, work, Rect(0, 0, work.width(), work.height()));
}

std::unique_ptr<TGraphic> TMetafile::Clone() const { return std::make_unique<TMetafile>(*this); }

void RegisterMetafileFileFormats()
{
    TPicture::RegisterFileFormat("emf", "Enhanced Metafiles", [] { return std::make_unique<TMetafile>(); });
    TPicture::RegisterFileFormat("wmf", "Metafiles", [] { return std::make_unique<TMetafile>(); });
}
