// resgen OUTDIR: draws every program resource into OUTDIR, one file per resource, named
// NAME.png / NAME.jpg / NAME.wav / NAME.txt; the build embeds each under its bare NAME.
// resgen --icons OUTDIR: draws the program's icon for the desktop's menus into
// OUTDIR/SIZExSIZE/apps/org.kedoozle.Kedoozle.png, in the usual sizes of an icon theme.
#include "AppIcon.h"
#include "Drawing.h"
#include "PanelBitmaps.h"
#include "SmallBitmaps.h"
#include "TitlePictures.h"
#include "tools/contentgen/Synth.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

using namespace resgen;

// A short, soft two-note bell: the sound played when a key's own sound cannot be found.
std::vector<std::uint8_t> DefaultChime()
{
    synth::TBuffer buffer(0.42);
    buffer.AddNote(synth::Bell(), 0.0, synth::NoteFrequency(19), 0.42, 0.8);  // E6
    buffer.AddNote(synth::Bell(), 0.09, synth::NoteFrequency(15), 0.33, 0.7); // C6
    buffer.Normalize(0.6);
    buffer.FadeOut(0.05);
    return buffer.ToWave();
}

void WriteAll(const QString& dir)
{
    const auto png = [&](const QImage& image, const char* name) { SavePng(image, dir + "/" + name + ".png"); };
    png(PlayModeBitmap(TPlayModeIcon::Classic, true), "CLASSICTYPE_ON");
    png(PlayModeBitmap(TPlayModeIcon::Classic, false), "CLASSICTYPE_OFF");
    png(PlayModeBitmap(TPlayModeIcon::Pattern, true), "PATTERNTYPE_ON");
    png(PlayModeBitmap(TPlayModeIcon::Pattern, false), "PATTERNTYPE_OFF");
    png(PlayModeBitmap(TPlayModeIcon::Shape, true), "SHAPETYPE_ON");
    png(PlayModeBitmap(TPlayModeIcon::Shape, false), "SHAPETYPE_OFF");
    png(PlayModeBitmap(TPlayModeIcon::Picture, true), "PICTURETYPE_ON");
    png(PlayModeBitmap(TPlayModeIcon::Picture, false), "PICTURETYPE_OFF");
    png(PlayModeBitmap(TPlayModeIcon::Key, true), "KEYTYPE_ON");
    png(PlayModeBitmap(TPlayModeIcon::Key, false), "KEYTYPE_OFF");
    png(SoundBitmap(true), "SOUND_ON");
    png(SoundBitmap(false), "SOUND_OFF");
    png(ExitBitmap(true), "EXIT_UP");
    png(ExitBitmap(false), "EXIT_DOWN");
    png(LogoBitmap(), "KEDOOZLE_LOGO");
    png(QuestionIcon(), "QUESTION_ICON");
    SavePng(HandCursor(), dir + "/KDCURSOR_HAND.png", false);
    const QPoint hotSpot = HandCursorHotSpot();
    SaveText(QStringLiteral("%1,%2").arg(hotSpot.x()).arg(hotSpot.y()), dir + "/KDCURSOR_HAND_HOTSPOT.txt");
    png(ScrollerBitmap(true, TScrollerState::Normal), "SBLEFT");
    png(ScrollerBitmap(true, TScrollerState::Pressed), "SBLEFTDN");
    png(ScrollerBitmap(true, TScrollerState::Disabled), "SBLEFTDIS");
    png(ScrollerBitmap(false, TScrollerState::Normal), "SBRIGHT");
    png(ScrollerBitmap(false, TScrollerState::Pressed), "SBRIGHTDN");
    png(ScrollerBitmap(false, TScrollerState::Disabled), "SBRIGHTDIS");
    SaveJpeg(SplashPicture(), dir + "/SPLASH.jpg");
    SaveJpeg(AboutPicture(), dir + "/ABOUT_PICTURE.jpg");
    SaveJpeg(AboutBanner(), dir + "/ABOUT_BANNER.jpg");
    const std::vector<std::uint8_t> chime = DefaultChime();
    synth::WriteFile((dir + "/DEFAULT_CHIME.wav").toStdString(), chime);
}

void WriteIcons(const QString& dir)
{
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot create " + folder.toStdString());
        SavePng(AppIcon(size), folder + "/org.kedoozle.Kedoozle.png", false);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && QByteArray(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: resgen OUTDIR\n       resgen --icons OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[argc - 1]);
    try {
        if (!QDir().mkpath(dir))
            throw std::runtime_error("cannot create " + dir.toStdString());
        if (icons)
            WriteIcons(dir);
        else
            WriteAll(dir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "resgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
