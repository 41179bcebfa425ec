#include "base/StringTable.h"

#include <cstdarg>
#include <cstdio>
#include <unordered_map>

namespace {

struct TEntry {
    int Id;
    const char* Text;
};

constexpr TEntry Entries[] = {
    { Str::GIFImage, "GIF Image" },
    { Str::JPEGError, "JPEG error #%d" },
    { Str::JPEGImageFile, "JPEG Image File" },
    { Str::FileTrace, "File: %s\rMode: %-15s CDir: %s\rKey:  %-15s Path: %s" },
    { Str::ResTrace, "Res:  %s\rMode: %-15s CDir: %s\rKey:  %-15s Path: %s" },
    { Str::ExitQuestion, "Do you wish to Exit Kedoozle?" },
    { Str::SupportEmail, "support@kedoozle.org" },
    { Str::Close, "Close" },
    { Str::Yes, "Yes" },
    { Str::No, "No" },
    { Str::AboutCaption, "About Kedoozle" },
    { Str::CopyrightTab, "Copyright Information" },
    { Str::LicenseTab, "License Agreement" },
    { Str::Version, " Version 2.0" },
    { Str::Copyright, "Copyright \xA9 2026 The Kedoozle developers" },
    { Str::LicenceGrant, "Free to use, copy, change and pass on." },
    { Str::TechSupport, "For technical support, send email to:" },
    { Str::InvalidBitmap, "Bitmap image is not valid" },
    { Str::InvalidIcon, "Icon image is not valid" },
    { Str::InvalidMetafile, "Metafile is not valid" },
    { Str::UnknownExtension, "Unknown picture file extension (.%s)" },
    { Str::ResNotFound, "Resource %s not found" },
    { Str::FOpenError, "Cannot open file %s" },
    { Str::AssignError, "Cannot assign a %s to a %s" },
    { Str::IniWriteError, "Unable to write to %s" },
    { Str::OutOfMemory, "Out of memory" },
    { Str::UnknownTypeCode, "Unknown picture type code %d" },
    { Str::EmptyPicture, "Picture %s is empty" },
    { Str::TabIndexError, "Tab index out of bounds" },
    { Str::ListIndexError, "List index out of bounds (%d)" },
    { Str::KeysOpenOnDesktop, "Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. "
                              "Super, Alt+Tab and the desktop's other shortcuts still work." },
    { Str::KeysRefusedByDesktop, "Keys are not locked: the desktop has not allowed Kedoozle to hold back its "
                                 "shortcuts. Super, Alt+Tab and the desktop's other shortcuts still work." },
    { Str::KeysLostToDesktop, "Keys are not locked any more: the desktop took its shortcuts back. Super, "
                              "Alt+Tab and the desktop's other shortcuts work again." },
    { Str::KeysLockedAgain, "Keys are locked again." },
    { Str::HintClassicType, "Click here to change to ClassicType play mode." },
    { Str::HintPatternType, "Click here to change to PatternType play mode." },
    { Str::HintShapeType, "Click here to change to ShapeType play mode." },
    { Str::HintPictureType, "Click here to change to PictureType play mode." },
    { Str::HintKeyType, "Click here to change to KeyType play mode." },
    { Str::HintSoundOn, "Sound is On.\rClick here to\rturn sound off." },
    { Str::HintSoundOff, "Sound is Off.\rClick here to\rturn sound on." },
    { Str::HintLogo, "Click here to see more information about Kedoozle." },
    { Str::HintExit, "Click here to\rExit Kedoozle." },
    { Str::AppTitle, "Kedoozle" },
    { Str::SplashMessage, "Hello, little one! Let's play!" },
    { Str::KeysNotLocked, "keys are not locked" },
    { Str::GIFInvalidSignature, "Invalid GIF signature" },
    { Str::GIFPrematureEnd, "Premature end of data" },
    { Str::GIFUnknownExtension, "Unknown extension type" },
    { Str::GIFInvalidIntroducer, "Invalid extension introducer" },
    { Str::GIFExtensionMismatch, "Internal error: Extension Instance does not match Extension Label" },
    { Str::GIFAppExtBlockSize, "Unsupported Application Extension block size" },
    { Str::GIFInvalidData, "Invalid GIF data" },
    { Str::GIFCircularTable, "Circular decoder table entry" },
    { Str::GIFAllocFailed, "Failed to allocate memory for GIF DIB" },
    { Str::GIFImageEmpty, "Image is empty" },
    { Str::GIFColorTableEmpty, "Color table is empty" },
    { Str::GIFNoColorTable, "No global or local color table defined" },
    { Str::GIFUnknownBlock, "Unknown GIF block type" },
    { Str::GIFExceedsScreen, "Image exceeds Logical Screen size" },
    { Str::GIFBitBufferUnderrun, "Decoder bit buffer under-run" },
    { Str::GIFInvalidTrailer, "Invalid Image trailer" },
    { Str::GIFInvalidColorIndex, "Invalid color index" },
};

} // namespace

std::string LoadStr(int id)
{
    for (const TEntry& entry : Entries) {
        if (entry.Id == id)
            return entry.Text;
    }
    return {};
}

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result(length > 0 ? std::size_t(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(result.data(), result.size() + 1, format, args);
    va_end(args);
    return result;
}
