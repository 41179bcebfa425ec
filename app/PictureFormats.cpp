#include "app/PictureFormats.h"

#include "framework/Bitmap.h"
#include "framework/Graphic.h"
#include "graphics/JPEGImage.h"

#include <memory>

void RegisterPictureFormats()
{
    RegisterBitmapFileFormats();
    RegisterJPEGFileFormats();
    TPicture::RegisterTypeCode(0, [] { return std::make_unique<TBitmap>(); });
    TPicture::RegisterTypeCode(2, [] { return std::make_unique<TJPEGImage>(); });
}
