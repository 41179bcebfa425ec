#include "base/StringTable.h"

#include <cstdarg>
#include <cstdio>
#include <unordered_map>

// lupdate finds the texts to translate by this name; the base layer has no toolkit, so the
// marker is its own and leaves the text as it is.
#define QT_TRANSLATE_NOOP(context, text) text

namespace {

struct TEntry {
    int Id;
    const char* Text;
};

constexpr TEntry Entries[] = {
    { Str::GIFImage, QT_TRANSLATE_NOOP("StringTable", "GIF Image") },
    { Str::JPEGError, QT_TRANSLATE_NOOP("StringTable", "JPEG error #%d") },
    { Str::JPEGImageFile, QT_TRANSLATE_NOOP("StringTable", "JPEG Image File") },
    { Str::FileTrace, QT_TRANSLATE_NOOP("StringTable", "File: %s\rMode: %-15s CDir: %s\rKey:  %-15s Path: %s") },
    { Str::ResTrace, QT_TRANSLATE_NOOP("StringTable", "Res:  %s\rMode: %-15s CDir: %s\rKey:  %-15s Path: %s") },
    { Str::ExitQuestion, QT_TRANSLATE_NOOP("StringTable", "Do you wish to Exit Kedoozle?") },
    { Str::SupportEmail, "support@kedoozle.org" },
    { Str::Close, QT_TRANSLATE_NOOP("StringTable", "Close") },
    { Str::Yes, QT_TRANSLATE_NOOP("StringTable", "Yes") },
    { Str::No, QT_TRANSLATE_NOOP("StringTable", "No") },
    { Str::AboutCaption, QT_TRANSLATE_NOOP("StringTable", "About Kedoozle") },
    { Str::CopyrightTab, QT_TRANSLATE_NOOP("StringTable", "Copyright Information") },
    { Str::LicenseTab, QT_TRANSLATE_NOOP("StringTable", "License Agreement") },
    { Str::Version, QT_TRANSLATE_NOOP("StringTable", " Version 2.0") },
    { Str::Copyright, QT_TRANSLATE_NOOP("StringTable", "Copyright © 2026 The Kedoozle developers") },
    { Str::LicenceGrant, QT_TRANSLATE_NOOP("StringTable", "Free to use, copy, change and pass on.") },
    { Str::TechSupport, QT_TRANSLATE_NOOP("StringTable", "For technical support, send email to:") },
    { Str::InvalidBitmap, QT_TRANSLATE_NOOP("StringTable", "Bitmap image is not valid") },
    { Str::InvalidIcon, QT_TRANSLATE_NOOP("StringTable", "Icon image is not valid") },
    { Str::InvalidMetafile, QT_TRANSLATE_NOOP("StringTable", "Metafile is not valid") },
    { Str::UnknownExtension, QT_TRANSLATE_NOOP("StringTable", "Unknown picture file extension (.%s)") },
    { Str::ResNotFound, QT_TRANSLATE_NOOP("StringTable", "Resource %s not found") },
    { Str::FOpenError, QT_TRANSLATE_NOOP("StringTable", "Cannot open file %s") },
    { Str::AssignError, QT_TRANSLATE_NOOP("StringTable", "Cannot assign a %s to a %s") },
    { Str::IniWriteError, QT_TRANSLATE_NOOP("StringTable", "Unable to write to %s") },
    { Str::OutOfMemory, QT_TRANSLATE_NOOP("StringTable", "Out of memory") },
    { Str::UnknownTypeCode, QT_TRANSLATE_NOOP("StringTable", "Unknown picture type code %d") },
    { Str::EmptyPicture, QT_TRANSLATE_NOOP("StringTable", "Picture %s is empty") },
    { Str::TabIndexError, QT_TRANSLATE_NOOP("StringTable", "Tab index out of bounds") },
    { Str::ListIndexError, QT_TRANSLATE_NOOP("StringTable", "List index out of bounds (%d)") },
    { Str::KeysOpenOnDesktop,
      QT_TRANSLATE_NOOP("StringTable", "Keys are not locked: this desktop does not let Kedoozle hold back its "
                                       "shortcuts. Super, Alt+Tab and the desktop's other shortcuts still work.") },
    { Str::KeysRefusedByDesktop,
      QT_TRANSLATE_NOOP("StringTable", "Keys are not locked: the desktop has not allowed Kedoozle to hold back its "
                                       "shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit "
                                       "system keyboard shortcuts.") },
    { Str::KeysLostToDesktop,
      QT_TRANSLATE_NOOP("StringTable", "Keys are not locked any more: the desktop took its shortcuts back. Super, "
                                       "Alt+Tab and the desktop's other shortcuts work again.") },
    { Str::KeysLockedAgain, QT_TRANSLATE_NOOP("StringTable", "Keys are locked again.") },
    { Str::KeysUnknownOnXWayland,
      QT_TRANSLATE_NOOP("StringTable", "Keys may not be locked: Kedoozle runs on XWayland here, where the desktop "
                                       "decides whether its own shortcuts, such as Super and Alt+Tab, still work.") },
    { Str::KeysWithOtherWindow,
      QT_TRANSLATE_NOOP("StringTable", "Keys are not locked while another window has the keyboard: Super, Alt+Tab "
                                       "and the desktop's other shortcuts work. Click Kedoozle to lock them again.") },
    { Str::HintClassicType, QT_TRANSLATE_NOOP("StringTable", "Click here to change to ClassicType play mode.") },
    { Str::HintPatternType, QT_TRANSLATE_NOOP("StringTable", "Click here to change to PatternType play mode.") },
    { Str::HintShapeType, QT_TRANSLATE_NOOP("StringTable", "Click here to change to ShapeType play mode.") },
    { Str::HintPictureType, QT_TRANSLATE_NOOP("StringTable", "Click here to change to PictureType play mode.") },
    { Str::HintKeyType, QT_TRANSLATE_NOOP("StringTable", "Click here to change to KeyType play mode.") },
    { Str::HintSoundOn, QT_TRANSLATE_NOOP("StringTable", "Sound is On.\rClick here to\rturn sound off.") },
    { Str::HintSoundOff, QT_TRANSLATE_NOOP("StringTable", "Sound is Off.\rClick here to\rturn sound on.") },
    { Str::HintLogo, QT_TRANSLATE_NOOP("StringTable", "Click here to see more information about Kedoozle.") },
    { Str::HintExit, QT_TRANSLATE_NOOP("StringTable", "Click here to\rExit Kedoozle.") },
    { Str::HintSoundOnFixed, QT_TRANSLATE_NOOP("StringTable", "Sound is On.\rA grown-up has\rset it so.") },
    { Str::HintSoundOffFixed, QT_TRANSLATE_NOOP("StringTable", "Sound is Off.\rA grown-up has\rset it so.") },
    { Str::HintPlayModeFixed, QT_TRANSLATE_NOOP("StringTable", "The play mode is set by a grown-up.") },
    { Str::AppTitle, "Kedoozle" },
    { Str::SplashMessage, QT_TRANSLATE_NOOP("StringTable", "Hello, little one! Let's play!") },
    { Str::KeysNotLocked, QT_TRANSLATE_NOOP("StringTable", "keys are not locked") },
    { Str::GIFInvalidSignature, QT_TRANSLATE_NOOP("StringTable", "Invalid GIF signature") },
    { Str::GIFPrematureEnd, QT_TRANSLATE_NOOP("StringTable", "Premature end of data") },
    { Str::GIFUnknownExtension, QT_TRANSLATE_NOOP("StringTable", "Unknown extension type") },
    { Str::GIFInvalidIntroducer, QT_TRANSLATE_NOOP("StringTable", "Invalid extension introducer") },
    { Str::GIFExtensionMismatch, QT_TRANSLATE_NOOP("StringTable", "Internal error: Extension Instance does not match Extension Label") },
    { Str::GIFAppExtBlockSize, QT_TRANSLATE_NOOP("StringTable", "Unsupported Application Extension block size") },
    { Str::GIFInvalidData, QT_TRANSLATE_NOOP("StringTable", "Invalid GIF data") },
    { Str::GIFCircularTable, QT_TRANSLATE_NOOP("StringTable", "Circular decoder table entry") },
    { Str::GIFAllocFailed, QT_TRANSLATE_NOOP("StringTable", "Failed to allocate memory for GIF DIB") },
    { Str::GIFImageEmpty, QT_TRANSLATE_NOOP("StringTable", "Image is empty") },
    { Str::GIFColorTableEmpty, QT_TRANSLATE_NOOP("StringTable", "Color table is empty") },
    { Str::GIFNoColorTable, QT_TRANSLATE_NOOP("StringTable", "No global or local color table defined") },
    { Str::GIFUnknownBlock, QT_TRANSLATE_NOOP("StringTable", "Unknown GIF block type") },
    { Str::GIFExceedsScreen, QT_TRANSLATE_NOOP("StringTable", "Image exceeds Logical Screen size") },
    { Str::GIFBitBufferUnderrun, QT_TRANSLATE_NOOP("StringTable", "Decoder bit buffer under-run") },
    { Str::GIFInvalidTrailer, QT_TRANSLATE_NOOP("StringTable", "Invalid Image trailer") },
    { Str::GIFInvalidColorIndex, QT_TRANSLATE_NOOP("StringTable", "Invalid color index") },
};

} // namespace

namespace {

TStringTranslator& Translator()
{
    static TStringTranslator translator = nullptr;
    return translator;
}

} // namespace

void SetStringTranslator(TStringTranslator translator) { Translator() = translator; }

std::string LoadStr(int id)
{
    for (const TEntry& entry : Entries) {
        if (entry.Id != id)
            continue;
        return Translator() ? Translator()(entry.Text) : std::string(entry.Text);
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
