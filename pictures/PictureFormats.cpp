#include "pictures/PictureFormats.h"

#include "pictures/Bitmap.h"
#include "pictures/GIFImage.h"
#include "pictures/Graphic.h"
#include "pictures/Icon.h"
#include "pictures/JPEGImage.h"
#include "pictures/Metafile.h"

#include <memory>

void RegisterPictureFormats()
{
    RegisterBitmapFileFormats();
    RegisterIconFileFormats();
    RegisterMetafileFileFormats();
    RegisterJPEGFileFormats();
    TGIFImage::RegisterFileFormat();
    TPicture::RegisterTypeCode(0, [] { return std::make_unique<TBitmap>(); });
    TPicture::RegisterTypeCode(1, [] { return std::make_unique<TGIFImage>(); });
    TPicture::RegisterTypeCode(2, [] { return std::make_unique<TJPEGImage>(); });
    TPicture::RegisterTypeCode(3, [] { return std::make_unique<TMetafile>(); });
    // Beyond the four kinds content has always named: an icon file's bytes as a resource.
    TPicture::RegisterTypeCode(4, [] { return std::make_unique<TIcon>(); });
}
