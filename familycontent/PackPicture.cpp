#include "familycontent/PackPicture.h"

#include "familycontent/ContentError.h"
#include "familycontent/PackAnimation.h"
#include "familycontent/PackHeif.h"
#include "familycontent/PictureProbe.h"
#include "tools/contentgen/ImageFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cmath>
#include <mutex>
#include <stdexcept>
#include <unordered_set>

namespace {

std::string Unreadable()
{
    return FillText(TContentText::tr("this picture could not be read. Save it as JPEG or PNG and try again."));
}

std::string Damaged()
{
    return FillText(TContentText::tr("this picture is damaged or cut short. Copy it again from the phone or camera, "
                                     "and try again."));
}

// A phone photo is a few megabytes; a file far larger is no picture to pack.
constexpr qint64 MaxFileBytes = 512LL * 1024 * 1024;
// All frames of an animation together, at the size they are packed at.
constexpr long long MaxAnimationPixels = 40LL * 1000 * 1000;

std::string TooLarge(QSize size)
{
    return FillText(TContentText::tr("this picture is too large (%1 x %2 pixels). Save a smaller copy and try again."),
                    std::to_string(size.width()), std::to_string(size.height()));
}

// The image readers' warnings about damaged files ("libpng error: Read Error") would only
// puzzle a parent; the refusal says it plainly. Worse messages still get through.
QtMessageHandler PreviousHandler = nullptr;

void QuietReaders()
{
    static std::once_flag once;
    std::call_once(once, [] {
        PreviousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if ((type == QtCriticalMsg || type == QtFatalMsg) && PreviousHandler)
                PreviousHandler(type, context, text);
        });
    });
}

QByteArray ReadWhole(const std::filesystem::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            FillText(TContentText::tr("this file could not be opened. Check that it may be read, and try again.")));
    if (file.size() > MaxFileBytes)
        throw std::runtime_error(
            FillText(TContentText::tr("this file is too large for a picture. Save a smaller copy as JPEG and try again.")));
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw std::runtime_error(FillText(TContentText::tr("this file is empty. Copy the picture again and try again.")));
    return bytes;
}

std::vector<std::byte> ToBytes(const contentgen::TBytes& bytes)
{
    std::vector<std::byte> out(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = std::byte(bytes[i]);
    return out;
}

QSize TargetSize(QSize size, TPictureUse use)
{
    double scale = 1.0;
    if (use == TPictureUse::Pattern)
        scale = double(PackPatternMaxSide) / std::max(size.width(), size.height());
    else if (size.width() > size.height())
        scale = double(PackPictureMaxWidth) / size.width();
    else
        scale = double(PackPictureMaxHeight) / size.height();
    if (scale >= 1.0)
        return size;
    return { std::max(1, int(std::lround(size.width() * scale))), std::max(1, int(std::lround(size.height() * scale))) };
}

// The picture and its mirror images side by side and below: a tile whose edges meet.
QImage MirrorTile(const QImage& image)
{
    QImage tile(image.width() * 2, image.height() * 2, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image);
    painter.drawImage(image.width(), 0, image.mirrored(true, false));
    painter.drawImage(0, image.height(), image.mirrored(false, true));
    painter.drawImage(image.width(), image.height(), image.mirrored(true, true));
    return tile;
}

// Semi-transparent pixels mixed onto the black play surface; their alpha stays, so the
// quantiser can still tell the clear ones.
bool DarkenTranslucent(QImage& image)
{
    bool anyTransparent = false;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 255)
                continue;
            if (alpha < 128)
                anyTransparent = true;
            line[x] = qRgba(qRed(line[x]) * alpha / 255, qGreen(line[x]) * alpha / 255, qBlue(line[x]) * alpha / 255, alpha);
        }
    }
    return anyTransparent;
}

bool FewColours(const QImage& image, int limit)
{
    std::unordered_set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (colours.insert(line[x] | 0xFF000000u).second && int(colours.size()) > limit)
                return false;
    }
    return true;
}

// The picture as the use wants it: for a seamless pattern the mirrored tile, then no larger
// than it is shown.
QImage Fit(QImage image, TPictureUse use, bool seamless)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (use == TPictureUse::Pattern && seamless)
        image = MirrorTile(image);
    const QSize target = TargetSize(image.size(), use);
    if (target != image.size())
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
    return image;
}

TPackedPicture Encode(QImage image)
{
    TPackedPicture out;
    out.Width = image.width();
    out.Height = image.height();
    if (DarkenTranslucent(image)) {
        // transparency needs GIF; black where the surface would show through
        const bool exact = FewColours(image, 255);
        const contentgen::TIndexedImage indexed = contentgen::Quantize(image, 256, !exact, QColor(Qt::black));
        out.Data = ToBytes(contentgen::EncodeGif(indexed, false, nullptr));
        out.TypeCode = 1;
    } else if (FewColours(image, 256)) {
        // drawings and icons: exact colours, whichever 8-bit file is smaller
        const contentgen::TIndexedImage indexed = contentgen::Quantize(image, 256, false);
        std::vector<std::byte> gif = ToBytes(contentgen::EncodeGif(indexed, false, nullptr));
        std::vector<std::byte> bmp = ToBytes(contentgen::EncodeBmp8(indexed));
        out.TypeCode = gif.size() <= bmp.size() ? 1 : 0;
        out.Data = std::move(out.TypeCode == 1 ? gif : bmp);
    } else {
        out.Data = ToBytes(contentgen::EncodeJpeg(image.convertToFormat(QImage::Format_RGB32), false, 88));
        out.TypeCode = 2;
    }
    return out;
}

// Every frame scaled and reduced to its own colour table, with its delay and the loop count.
TPackedPicture EncodeAnimation(QImageReader& reader, int orientation, TPictureUse use, bool seamless)
{
    const int count = reader.imageCount();
    const int loops = reader.loopCount();
    std::vector<TAnimationFrame> frames;
    long long pixels = 0;
    QSize size;
    for (int i = 0; i < count; ++i) {
        QImage frame = reader.read();
        if (frame.isNull())
            throw std::runtime_error(Damaged());
        const int delay = std::max(reader.nextImageDelay(), 0);
        frame = Fit(Oriented(frame, orientation), use, seamless);
        if (size.isEmpty())
            size = frame.size();
        else if (frame.size() != size)
            frame = frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
        pixels += (long long)size.width() * size.height();
        if (pixels > MaxAnimationPixels)
            throw std::runtime_error(FillText(TContentText::tr(
                "this animation is too long. Shorten it, or save one picture of it as PNG, and try again.")));
        const bool transparent = DarkenTranslucent(frame);
        TAnimationFrame packed;
        packed.Image = contentgen::Quantize(frame, 256, !FewColours(frame, transparent ? 255 : 256),
                                            transparent ? QColor(Qt::black) : QColor());
        packed.DelayCentiseconds = (delay + 5) / 10;
        frames.push_back(std::move(packed));
    }
    TPackedPicture out;
    out.Data = EncodeAnimatedGif(frames, loops);
    out.TypeCode = 1;
    out.Width = size.width();
    out.Height = size.height();
    out.Frames = int(frames.size());
    return out;
}

} // namespace

TPackedPicture PackPicture(const std::filesystem::path& file, TPictureUse use, bool seamless)
{
    QuietReaders();
    QByteArray bytes = ReadWhole(file);
    if (IsHeifFile(bytes))
        return Encode(Fit(DecodeHeif(bytes, PackMaxSourcePixels), use, seamless));

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        throw std::runtime_error(Unreadable());
    // a copy cut short still decodes, grey or empty below the cut
    const QByteArray kind = reader.format();
    if ((kind == "jpeg" && !JpegComplete(bytes)) || (kind == "gif" && !GifComplete(bytes))
        || (kind == "png" && !PngComplete(bytes)))
        throw std::runtime_error(Damaged());
    const QSize claimed = reader.size();
    if (claimed.isValid() && (long long)claimed.width() * claimed.height() > PackMaxSourcePixels)
        throw std::runtime_error(TooLarge(claimed));
    // Qt's readers turn JPEGs themselves; PNG and WebP files carry the same EXIF entry unread
    const bool readerTurns = reader.transformation() != QImageIOHandler::TransformationNone;
    const int orientation = readerTurns ? 1 : ExifOrientation(bytes);
    if (reader.supportsAnimation() && reader.imageCount() > 1)
        return EncodeAnimation(reader, orientation, use, seamless);

    // Decode at about the size it ends up at: a camera's JPEG then decodes at a fraction of
    // its pixels. The reader's size is the stored one, before the turn.
    if (claimed.isValid() && !(use == TPictureUse::Pattern && seamless)) {
        const bool turned = (reader.transformation() & QImageIOHandler::TransformationRotate90)
            || OrientationTurns(orientation);
        const QSize upright = turned ? claimed.transposed() : claimed;
        const QSize target = TargetSize(upright, use);
        if (target != upright)
            reader.setScaledSize(turned ? target.transposed() : target);
    }
    const QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(Damaged());
    TPackedPicture out = Encode(Fit(Oriented(image, orientation), use, seamless));
    if (IsAnimatedPng(bytes))
        out.Note = FillText(TContentText::tr(
            "an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving."));
    return out;
}
