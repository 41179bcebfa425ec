#pragma once

#include "paint/Drawable.h"

#include <QImage>

#include <functional>
#include <memory>
#include <string>

class TCanvas;
class TStream;

// A picture of one kind: bitmap, GIF, JPEG or metafile.
class TGraphic : public TDrawable {
public:
    virtual ~TGraphic() = default;

    // The class name, used in conversion error texts ("TBitmap", "TMetafile", ...).
    virtual const char* ClassName() const = 0;
    // Reads the picture from the stream's position to its end; what it held before is gone.
    virtual void LoadFromStream(TStream& stream) = 0;
    // The picture as a plain bitmap of its own size (the first frame of a GIF). Kinds that do
    // not convert raise EConvertError "Cannot assign a <class> to a TBitmap".
    virtual QImage ToImage();
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    // Loads a whole file (EFOpenError when it cannot be opened).
    void LoadFromFile(const std::string& path);
};

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

// Holds at most one picture. Loading a file chooses the class by the file extension,
// compared without regard to case.
class TPicture {
public:
    TGraphic* Graphic() const { return m_graphic.get(); }
    int Width() const;
    int Height() const;
    bool Empty() const { return !m_graphic || m_graphic->Empty(); }

    // Keeps a copy of `graphic`.
    void Assign(const TGraphic& graphic);
    void Clear() { m_graphic.reset(); }
    // Raises EInvalidGraphic "Unknown picture file extension (.%s)" for an unregistered
    // extension, EFOpenError when the file cannot be opened.
    void LoadFromFile(const std::string& path);

    // Picture classes register their extensions (without the dot) at start-up.
    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicFactory factory);
    static void UnregisterFileFormats();
    static TGraphicFactory FactoryForExtension(const std::string& extension);

    // The picture kinds of content modules by type code (0 bitmap, 1 GIF, 2 JPEG,
    // 3 metafile), registered at start-up like the extensions.
    static void RegisterTypeCode(int typeCode, TGraphicFactory factory);
    static TGraphicFactory FactoryForTypeCode(int typeCode);

private:
    std::unique_ptr<TGraphic> m_graphic;
};
