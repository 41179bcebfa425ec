#include "settingswindow/KeyPreview.h"

#include "base/Random.h"
#include "base/Stream.h"
#include "familycontent/FamilySettings.h"
#include "paint/Canvas.h"
#include "pictures/Graphic.h"
#include "play/KeyData.h"
#include "play/PlayModes.h"
#include "play/PlayState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <utility>

namespace {

const char* ExtensionOfTypeCode(int typeCode)
{
    switch (typeCode) {
    case 0:
        return "bmp";
    case 1:
        return "gif";
    case 2:
        return "jpg";
    default:
        return "emf";
    }
}

// Play reads a key's picture from a file when the key names one: the preview hands it the
// picture not yet saved that way, from a folder of its own that goes with the program.
std::string PictureFileFor(const TKeyPart& part, int entry, int kind)
{
    if (!part.File.empty())
        return part.File;
    if (part.Data.empty())
        return {};
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kedoozle-settings-XXXXXX"));
    if (!folder.isValid())
        return {};
    const QString path = folder.filePath(QStringLiteral("%1-%2.%3").arg(entry).arg(kind).arg(ExtensionOfTypeCode(part.TypeCode)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(reinterpret_cast<const char*>(part.Data.data()), qint64(part.Data.size()));
    return path.toStdString();
}

// The rectangle of the surface's proportions, at least a third of it, around `drawn`.
QRect FrameAround(const QRect& drawn, QSize surface)
{
    const double aspect = double(surface.width()) / surface.height();
    int width = std::max({ drawn.width() + 16, surface.width() / 3, int((drawn.height() + 16) * aspect) });
    width = std::min(width, surface.width());
    const int height = std::min(surface.height(), int(width / aspect));
    QRect frame(0, 0, width, height);
    frame.moveCenter(drawn.isValid() ? drawn.center() : QRect(QPoint(0, 0), surface).center());
    frame.moveLeft(std::clamp(frame.left(), 0, surface.width() - width));
    frame.moveTop(std::clamp(frame.top(), 0, surface.height() - height));
    return frame;
}

} // namespace

QImage KeyPartImage(const TFamilyKey& key, int kind)
{
    const TKeyPart& part = key.Parts[kind];
    try {
        TPicture picture;
        if (!part.File.empty()) {
            picture.LoadFromFile(part.File);
        } else {
            const TGraphicFactory factory = TPicture::FactoryForTypeCode(part.TypeCode);
            if (part.Data.empty() || !factory)
                return {};
            std::unique_ptr<TGraphic> graphic = factory();
            TMemoryStream stream(part.Data);
            graphic->LoadFromStream(stream);
            picture.Assign(*graphic);
        }
        if (picture.Width() <= 0 || picture.Height() <= 0)
            return {};
        // A metafile has no pixels of its own: it is played onto a bitmap of its size.
        QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            TCanvas canvas(&image);
            canvas.StretchDraw(Rect(0, 0, image.width(), image.height()), *picture.Graphic());
        }
        return image;
    } catch (const std::exception&) {
        return {};
    }
}

QImage DrawKeyPreview(const TFamilyKey& key, int entry, std::uint8_t mode, QSize surface)
{
    // The key table is play's: the key's entry takes this content for the drawing and gets
    // its own back after.
    TKeyEntry& table = KeyTable->Entry(entry);
    const TKeyEntry kept = table;
    table.KeyName = key.Caption;
    table.Shape = std::uint8_t(key.Shape);
    table.ShapeColorIndex = key.ShapeColorIndex;
    table.PictureFile = PictureFileFor(key.Parts[KindPictures], entry, KindPictures);
    table.PatternFile = PictureFileFor(key.Parts[KindPatterns], entry, KindPatterns);

    QImage image(surface, QImage::Format_RGB32);
    image.fill(Qt::black);
    QRect drawn;
    {
        TCanvas canvas(&image);
        TPlayState state;
        state.SetPlayMode(mode);
        const std::uint32_t seed = RandSeed;
        RandSeed = std::uint32_t(entry * 7919 + mode);
        TPlayModes modes(canvas, surface.width(), surface.height(), state);
        modes.SetPlayPoint(TPoint { surface.width() / 2, surface.height() / 2 });
        // A key without a picture draws nothing in play either.
        if (!(mode == PictureType && table.PictureFile.empty()) && !(mode == PatternType && table.PatternFile.empty()))
            modes.Draw(TKeys::KeyOfEntry(entry));
        drawn = modes.Touched();
        RandSeed = seed;
    }
    table = kept;
    return image.copy(FrameAround(drawn, surface));
}
