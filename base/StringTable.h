#pragma once

#include <string>

// Every user-visible text of the program, keyed by its string-table number. In these texts a
// carriage return (\r) starts a new line. The texts are UTF-8.
namespace Str {
constexpr int GIFImage = 65187;
constexpr int JPEGError = 65195;
constexpr int JPEGImageFile = 65196;
constexpr int FileTrace = 65217;
constexpr int ResTrace = 65218;
constexpr int ExitQuestion = 65281;
constexpr int SupportEmail = 65296;
constexpr int Close = 65309;
constexpr int Yes = 65310;
constexpr int No = 65311;
constexpr int AboutCaption = 65321;
constexpr int CopyrightTab = 65322;
constexpr int LicenseTab = 65323;
constexpr int Version = 65324;
constexpr int Copyright = 65325;
constexpr int LicenceGrant = 65326;
constexpr int TechSupport = 65327;
constexpr int InvalidBitmap = 65410;
constexpr int InvalidIcon = 65411;
constexpr int InvalidMetafile = 65412;
constexpr int UnknownExtension = 65416;
constexpr int ResNotFound = 65426;
constexpr int FOpenError = 65451;
// Texts of the framework and the program that have no fixed number elsewhere.
constexpr int AssignError = 65440;        // "Cannot assign a %s to a %s"
constexpr int IniWriteError = 65460;      // "Unable to write to %s"
constexpr int OutOfMemory = 65461;        // "Out of memory"
constexpr int UnknownTypeCode = 65462;    // "Unknown picture type code %d"
constexpr int EmptyPicture = 65463;       // "Picture %s is empty"
constexpr int TabIndexError = 65470;      // "Tab index out of bounds"
constexpr int ListIndexError = 65471;     // "List index out of bounds (%d)"
// What the key lock could not lock, for the parent.
constexpr int KeysOpenOnDesktop = 65480;
constexpr int KeysRefusedByDesktop = 65481;
constexpr int KeysLostToDesktop = 65482;
constexpr int KeysLockedAgain = 65483;
constexpr int KeysUnknownOnXWayland = 65484;
constexpr int KeysWithOtherWindow = 65485;
constexpr int HintClassicType = 65100;
constexpr int HintPatternType = 65101;
constexpr int HintShapeType = 65102;
constexpr int HintPictureType = 65103;
constexpr int HintKeyType = 65104;
constexpr int HintSoundOn = 65105;
constexpr int HintSoundOff = 65106;
constexpr int HintLogo = 65107;
constexpr int HintExit = 65108;
// The pictures a parent's settings (or the end of play time) keep from changing.
constexpr int HintSoundOnFixed = 65111;
constexpr int HintSoundOffFixed = 65112;
constexpr int HintPlayModeFixed = 65113;
constexpr int AppTitle = 65109;           // "Kedoozle"
constexpr int SplashMessage = 65119;      // the splash window's greeting
constexpr int KeysNotLocked = 65110;      // "keys are not locked"
// GIF reader texts.
constexpr int GIFInvalidSignature = 65120;
constexpr int GIFPrematureEnd = 65121;
constexpr int GIFUnknownExtension = 65122;
constexpr int GIFInvalidIntroducer = 65123;
constexpr int GIFExtensionMismatch = 65124;
constexpr int GIFAppExtBlockSize = 65125;
constexpr int GIFInvalidData = 65126;
constexpr int GIFCircularTable = 65127;
constexpr int GIFAllocFailed = 65128;
constexpr int GIFImageEmpty = 65129;
constexpr int GIFColorTableEmpty = 65130;
constexpr int GIFNoColorTable = 65131;
constexpr int GIFUnknownBlock = 65132;
constexpr int GIFExceedsScreen = 65133;
constexpr int GIFBitBufferUnderrun = 65134;
constexpr int GIFInvalidTrailer = 65135;
constexpr int GIFInvalidColorIndex = 65136;
} // namespace Str

// The text of string-table entry `id`, in the user's language when a translator is set; an
// unknown id gives an empty text.
std::string LoadStr(int id);

// Turns an English text of the table into the user's language (UTF-8); a text it does not
// know comes back as it is. None is set in the tools: they speak English.
using TStringTranslator = std::string (*)(const char* english);
void SetStringTranslator(TStringTranslator translator);

// printf-style formatting into a std::string (%s, %d, %-15s, ...).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
