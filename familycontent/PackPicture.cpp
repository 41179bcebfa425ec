#include "familycontent/PackPicture.h"

#include "tools/contentgen/ImageFiles.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cmath>
#include <stdexcept>
#include <unordered_set>

namespace {

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

} // namespace

TPackedPicture PackPicture(const std::filesystem::path& file, TPictureUse use, bool seamless)
{
    QImageReader reader(QString::fromStdString(file.string()));
    reader.setAutoTransform(true);
    if (!reader.canRead())
        throw std::runtime_error("not a picture (" + reader.errorString().toStdString() + ")");
    const QSize claimed = reader.size();
    if (claimed.isValid() && (long long)claimed.width() * claimed.height() > PackMaxSourcePixels)
        throw std::runtime_error("too large (" + std::to_string(claimed.width()) + " x " + std::to_string(claimed.height())
                                 + " pixels)");
    // Decode at about the size it ends up at: a camera's JPEG then decodes at a fraction of
    // its pixels. The reader's size is the stored one, before the EXIF turn.
    if (claimed.isValid() && !(use == TPictureUse::Pattern && seamless)) {
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize upright = turned ? claimed.transposed() : claimed;
        const QSize target = TargetSize(upright, use);
        if (target != upright)
            reader.setScaledSize(turned ? target.transposed() : target);
    }
    QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error("unreadable picture (" + reader.errorString().toStdString() + ")");
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (use == TPictureUse::Pattern && seamless)
        image = MirrorTile(image);
    const QSize target = TargetSize(image.size(), use);
    if (target != image.size())
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);

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
