#include "tools/kdmodule/KdModule.h"

#include "familycontent/PackKeys.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* HelpText = R"(kdmodule - build, list and extract Kedoozle content modules

Usage:
  kdmodule build OUT.dll [--pe32] TYPE:NAME=FILE ...
  kdmodule build OUT.dll [--pe32] --manifest MANIFEST [TYPE:NAME=FILE ...]
  kdmodule list MODULE.dll
  kdmodule extract MODULE.dll TYPE NAME OUT
  kdmodule extract MODULE.dll --all DIR
  kdmodule render PICTURE OUT.png
  kdmodule render MODULE.dll NAME TYPECODE OUT.png
  kdmodule check MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]
  kdmodule pack FOLDER OUTDIR [--ini Kedoozle.ini] [--program DIR] [--speak LANG]
                [--seamless]
  kdmodule --help
  kdmodule --version

A content module is a Windows resource-only library (a PE file with no code and one
resource section). Kedoozle reads modules made by kdmodule, by the Windows resource
tools, or by MinGW's windres and ld alike.

build    Writes OUT.dll (64-bit PE32+, or 32-bit PE32 with --pe32) holding each FILE
         as the resource TYPE:NAME, unchanged, in language 0x0409.
           TYPE  RCDATA (raw data, type 10), WAVE, any other name, or a number.
           NAME  a name such as SOUND_1, or a number. Names are stored in upper case
                 and found without regard to case.
         A manifest lists one TYPE:NAME=FILE per line; blank lines and lines that
         start with # are skipped; a relative FILE is taken from the manifest's folder.
list     Prints TYPE, NAME, SIZE and LANGUAGE of every resource.
extract  Writes one resource to OUT, or with --all every resource to DIR/TYPE/NAME.ext
         together with DIR/manifest.txt, from which `build --manifest` rebuilds the module.
render   Draws a picture as Kedoozle draws it and writes it as a PNG at its own size:
         a file (bmp, dib, gif, jpg, jpeg, emf, wmf, ico, by its extension), or the RCDATA
         resource NAME of a module read as the kind of TYPECODE (0 to 4, see below).
check    Reads and draws every RCDATA picture of a module and reads every WAVE sound,
         printing "NAME: error" for each one Kedoozle could not show or play and a count.
         The type codes come from the settings file (--ini) or, without it, from the
         data. Patterns (PATTERN_n, or all with --kind patterns) must also convert to a
         bitmap, which metafiles and icons do not. With --ini, a key that names no file
         but whose resource the module lacks is reported too.

pack     Makes modules from a folder of everyday picture and sound files:
           FOLDER/pictures/  photos and drawings shown in PictureType -> OUTDIR/Pictures.dll
           FOLDER/patterns/  wallpaper tiles for PatternType          -> OUTDIR/Patterns.dll
           FOLDER/sounds/    a sound per key                          -> OUTDIR/Sounds.dll
           FOLDER/spoken/    the key's name, for KeyType              -> OUTDIR/Keys.dll
         Any folder may be missing; a module is written only when it gets something.
         A module written holds every other key's resources too, unchanged: those
         of the module the settings file (--ini) names, of OUTDIR's module without
         --ini, and where that module does not exist, of the program's own.
         Each file is named after its key (see the names below), any extension:
         a.jpg, 7.heic, enter.m4a, space.flac, f5.wav, left.png. A label may go in
         front, joined by '-': dog-d.jpg is the key D, my-page-up.png is Page Up.
         Pictures: JPEG, PNG, WebP, GIF, BMP, TIFF, and HEIC, HEIF or AVIF photos
         are turned upright by their EXIF orientation, made no larger than Kedoozle
         ever shows them (1152 pixels wide or 648 high), and stored as a JPEG
         (photos) or an 8-bit GIF or bitmap (few colours; transparent parts stay
         transparent as GIF). An animated GIF or WebP stays an animated GIF, every
         frame scaled, its timing and loop count kept; of an animated PNG only the
         first frame is kept, and the run says so.
         Patterns are made tiles of at most 64 x 64 pixels; --seamless mirrors the
         picture into a tile whose edges meet.
         Sounds: phone voice memos (M4A/AAC, 3GP, AMR), Opus, Ogg Vorbis, MP3, FLAC,
         WAV, and the sound of a video clip become 16-bit mono WAV at 22.05 or
         44.1 kHz, silence at either end trimmed, loudness raised to full, and cut
         at 5 seconds. A damaged or cut-off file is refused and says what to do.
         --speak LANG  every key without a spoken/ file says its caption in the
                  espeak-ng voice LANG (en, de, fr, es, ...; see espeak-ng --voices).
         --ini FILE  points [Modules] of FILE at the new modules and every packed key
                  at its resource (with the right PictureResType and PatternResType);
                  every other key and section stays as it was. A FILE that does not
                  exist yet starts as the copy of the program's Kedoozle.ini that the
                  program makes at its first start.
         --program DIR  the program's folder, with its Kedoozle.ini and modules.
                  Not needed when kdmodule is the one in the program's folder or
                  the one installed with the program.
         A file that cannot be used is skipped with its reason. The run ends with a
         table: which file went to which key and entry, which files were skipped
         and why, and each module with what it packed and where it kept the rest
         from. Packing the same files again changes nothing.
         Key names (case does not matter; a blank or '_' counts as '-'):
%KEYNAMES%
Packing for the installed program, step by step:
  1. Put the files in a folder, say ~/family, in pictures/, patterns/, sounds/
     and spoken/, each named after its key (~/family/pictures/dog-d.jpg).
  2. Pack into your own settings folder, started or not:
       kdmodule pack ~/family ~/.config/kedoozle --ini ~/.config/kedoozle/Kedoozle.ini
     (with XDG_CONFIG_HOME set, $XDG_CONFIG_HOME/kedoozle instead).
  3. Read the table: every file you meant is listed with its key; fix or rename
     the skipped ones and pack again.
  4. Start kedoozle. To go back to the program's own content, remove the .dll
     files from ~/.config/kedoozle and Kedoozle.ini with them.

Packing for a program folder (a copy you may write, such as build/dist):
  1. The same folder of files as above.
  2. Pack with the kdmodule in that folder, into the folder itself:
       ./kdmodule pack ~/family . --ini Kedoozle.ini
     (another kdmodule adds --program FOLDER).
  3. Start ./Kedoozle from that folder.
  To keep the program's own content, pack into a copy of the folder instead.

Kedoozle's modules (named in Kedoozle.ini, section [Modules]):
  Sounds=Sounds.dll
      WAVE resources SOUND_1 ... SOUND_88: a wave file per key, played in every
      play mode but KeyType.
  Keys=Keys.dll
      WAVE resources KEY_1 ... KEY_88: a wave file per key (the key's name spoken),
      played in KeyType.
  Patterns=Patterns.dll
      RCDATA resources PATTERN_1 ... PATTERN_88: a picture file per key, repeated
      as a wallpaper inside the figures of PatternType.
  Pictures=Pictures.dll
      RCDATA resources PICTURE_1 ... PICTURE_88: a picture file per key, shown in
      PictureType.
The number in each name is the key's section in Kedoozle.ini ([1] to [88], written
without leading zeros). A module file name without a folder is looked up in Kedoozle's
data folder: the program's own folder when run from there, /usr/share/kedoozle/ when
installed; for a system-wide install, first in the user's settings folder
(~/.config/kedoozle/), where a parent's own modules go. A key whose sound is missing plays the default sound; a missing
pattern or picture draws nothing.

Each key section says the format of its pattern and picture resource:
  PatternResType=N and PictureResType=N, with N
    0  Windows bitmap (.bmp)
    1  GIF (.gif)
    2  JPEG (.jpg)
    3  metafile (.emf enhanced, or .wmf placeable Windows metafile)
    4  icon (.ico)
A key can also name a file instead (SoundFile, KeySoundFile, PatternFile, PictureFile);
for a file the extension gives the format.

Example:
  kdmodule build Sounds.dll WAVE:SOUND_1=tones/a.wav WAVE:SOUND_2=tones/b.wav
  kdmodule build Pictures.dll --manifest pictures/manifest.txt
  kdmodule list Pictures.dll
  kdmodule extract Sounds.dll WAVE SOUND_1 a.wav
  kdmodule pack ~/family ~/.config/kedoozle --ini ~/.config/kedoozle/Kedoozle.ini --speak de

Options:
  --help, -h      this text
  --version, -V   the version

Exit status: 0 success, 1 a file is missing, unreadable or not a module, an output
cannot be written, or a picture cannot be shown, 2 the command line is wrong (one
line on the error output says what).
)";

} // namespace

int RunHelp(const TArgs& args)
{
    std::string text = HelpText;
    const std::string marker = "%KEYNAMES%\n";
    text.replace(text.find(marker), marker.size(), PackNameList());
    std::fputs(text.c_str(), stdout);
    return ExitOk;
}

int RunVersion(const TArgs& args)
{
    if (!args.empty())
        throw TUsageError(FillText(TToolText::tr("--version takes no arguments")));
    std::printf("kdmodule (Kedoozle) %s\n", KD_VERSION);
    return ExitOk;
}
