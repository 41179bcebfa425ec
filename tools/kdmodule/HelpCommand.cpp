#include "tools/kdmodule/KdModule.h"

#include <cstdio>

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
  kdmodule --help

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
         a file (bmp, dib, gif, jpg, jpeg, emf, wmf, by its extension), or the RCDATA
         resource NAME of a module read as the kind of TYPECODE (0 to 3, see below).
check    Reads and draws every RCDATA picture of a module, printing "NAME: error" for
         each one Kedoozle could not show and a count. The type codes come from the
         settings file (--ini) or, without it, from the data. Patterns (PATTERN_n, or all
         with --kind patterns) must also convert to a bitmap, which metafiles do not.
         With --ini, a key that names no file but whose resource the module lacks is
         reported too.

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
own folder; for a system-wide install, first in the user's settings folder
(~/.config/kedoozle/). A key whose sound is missing plays the default sound; a missing
pattern or picture draws nothing.

Each key section says the format of its pattern and picture resource:
  PatternResType=N and PictureResType=N, with N
    0  Windows bitmap (.bmp)
    1  GIF (.gif)
    2  JPEG (.jpg)
    3  metafile (.emf enhanced, or .wmf placeable Windows metafile)
A key can also name a file instead (SoundFile, KeySoundFile, PatternFile, PictureFile);
for a file the extension gives the format.

Example:
  kdmodule build Sounds.dll WAVE:SOUND_1=tones/a.wav WAVE:SOUND_2=tones/b.wav
  kdmodule build Pictures.dll --manifest pictures/manifest.txt
  kdmodule list Pictures.dll
  kdmodule extract Sounds.dll WAVE SOUND_1 a.wav

Exit codes: 0 success, 1 a file is missing, unreadable or not a module, an output
cannot be written, or a picture cannot be shown, 2 the command line is wrong.
)";

} // namespace

int RunHelp(const TArgs& args)
{
    std::fputs(HelpText, stdout);
    return ExitOk;
}
