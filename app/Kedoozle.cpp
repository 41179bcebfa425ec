#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/MainForm.h"
#include "app/SettingsLauncher.h"
#include "base/StringTable.h"
#include "paint/ColorData.h"
#include "paint/KDPalette.h"
#include "pictures/PictureFormats.h"
#include "platform/DisplayCheck.h"
#include "platform/DisplayLoss.h"
#include "platform/DisplayPlatform.h"
#include "platform/Foreground.h"
#include "platform/MemoryTrim.h"
#include "platform/PaletteWindows.h"
#include "platform/ScreenPalette.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"
#include "platform/Sound.h"
#include "platform/Termination.h"
#include "platform/WindowSystem.h"
#include "platform/keylock/KeyLock.h"
#include "platform/keylock/ServerKeys.h"
#include "platform/keylock/kdkbhook.h"
#include "play/KeyData.h"
#include "resources/ProgramResources.h"
#include "widgetkit/Application.h"
#include "widgetkit/KDCursor.h"
#include "windows/SplashForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace {

// The program's units start in this order and finish in the reverse order.
void InitializeUnits()
{
    // The screen's palette decides whether the program's colours go through the shared palette;
    // its depth whether pictures dither.
    const int depth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->depth() : 24;
    const TScreenPaletteCaps palette = ScreenPaletteCaps();
    InitColorData(depth, palette.PaletteEntries, palette.RasterCaps);
    // On an 8-bit screen the program draws its windows itself, in the palette's colours.
    const auto rgb = [](std::span<const TColor> colors) {
        std::vector<QRgb> plain;
        for (const TColor color : colors)
            plain.push_back(qRgb(GetRValue(color), GetGValue(color), GetBValue(color)));
        return plain;
    };
    DrawWindowsThroughPalette(rgb(WindowColors()), rgb(PaletteColors(DisplayPalette)));
    InitKeyData();
    RegisterKDCursor();
    RegisterPictureFormats();
    if (ProgramResourceExists("DEFAULT_CHIME")) {
        const QByteArray chime = LoadProgramResource("DEFAULT_CHIME");
        const auto* bytes = reinterpret_cast<const std::byte*>(chime.constData());
        SetDefaultSoundData(std::vector<std::byte>(bytes, bytes + chime.size()));
    }
}

void FinalizeUnits()
{
    ShutdownSound();
    FinalizeKeyData();
    FinalizeColorData();
}

// The toolkit platform asked for in the environment; empty for the default.
std::string RequestedPlatform()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform ? platform : "";
}

// The title window goes up, painted, before the main window is built; an error in its
// creation handler is shown and the window comes up without its picture.
void ShowSplash()
{
    auto* splash = new TFrmSplash();
    FrmSplash = splash;
    // Once the title window is gone, start-up is over: what it freed goes back to the system.
    QObject::connect(splash, &QObject::destroyed, [] { QTimer::singleShot(0, ReturnFreedMemory); });
    HandleExceptions([splash] { splash->FormCreate(); });
    splash->ShowAndPaint();
}

} // namespace

int main(int argc, char** argv)
{
    // Help, the version and a mistyped option are answered on the terminal, before anything
    // reaches for the display or the keyboard.
    if (const std::optional<int> status = HandleCommandLine(argc, argv))
        return *status;
    // The parent's settings window is a program of its own beside this one, so play loads
    // none of it.
    if (SettingsRequested(argc, argv))
        return StartSettingsWindow();
    ChooseWindowSystem();
    // The keyboard is held from the moment the display can be reached, so no key a child
    // presses while the program loads reaches the desktop; the lock takes it over below.
    HoldKeysWhileStarting();
    // Without a display the toolkit would abort: one line and status 1 instead. A held
    // keyboard says the display was reached.
    if (!KeysHeldWhileStarting()) {
        if (const std::string reason = DisplayUnavailableReason(RequestedPlatform()); !reason.empty()) {
            std::fprintf(stderr, "Kedoozle: %s\n", reason.c_str());
            return 1;
        }
    }
    NoSessionBusAutolaunch();
    HoldStartMessages();
    TApplication application(argc, argv);
    ReleaseStartMessages();
    // The desktop knows the program's windows by the name of its menu entry: a Wayland
    // compositor remembers a parent's permission to hold its shortcuts back under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kedoozle.Kedoozle"));
    // Every text from here on is in the desktop's language.
    UseDesktopLanguage();

    // One program per user and display: a second start brings the first to the front before
    // it takes the keyboard, and ends. A first that does not answer is stopped or hung: the
    // second ends it and plays in its place.
    TSingleInstance instance;
    if (!instance.Acquire()) {
        if (instance.ActivateRunning()) {
            if (instance.RunningRole() == "settings")
                std::printf("Kedoozle Settings is open on this display; it has been brought to the front (close it, then start Kedoozle again).\n");
            else
                std::printf("Kedoozle is already running on this display; it has been brought to the front.\n");
            return 0;
        }
        if (!instance.TakeOver()) {
            std::fprintf(stderr, "Kedoozle: a copy already running on this display does not answer and could not be ended.\n");
            return 1;
        }
        std::fprintf(stderr, "Kedoozle: the copy already running on this display did not answer; this start takes its place.\n");
    }
    WatchForDisplayLoss();
    // The lock is on before anything shows.
    DisableWindowKeys();
    HandleExceptions(InitializeUnits);
    application.SetTitle(LoadStr(Str::AppTitle));
    application.setQuitOnLastWindowClosed(false);
    QuitOnTerminationSignals();
    ShowSplash();

    int result = 0;
    {
        auto form = std::make_unique<TFrmKedoozle>();
        if (SplashShowing && FrmSplash)
            FrmSplash->SetMainWindow(form.get());
        // An error while the window is created ends its creation at that step; the window
        // is still shown and play goes on with what was done.
        HandleExceptions([&] { form->FormCreate(); });
        instance.OnActivate = [&form] { ForceForeground(form.get()); };
        // Once the settings are loaded, a lost display still writes them back.
        SetDisplayLostHandler([&form]() -> std::string {
            // The console keys go back over the key lock's own connection, which lives on
            // when only the program's main connection was cut.
            ServerKeys::Unlock();
            try {
                form->SaveSettings();
                return "the settings were saved";
            } catch (const std::exception& error) {
                return std::string("the settings could not be saved: ") + error.what();
            }
        });
        QObject::connect(&application, &QGuiApplication::applicationStateChanged, form.get(),
                         [&form](Qt::ApplicationState state) {
                             if (state != Qt::ApplicationActive)
                                 form->AppEventsDeactivate();
                         });
        // A Wayland compositor places windows itself, for its own clients and for XWayland's:
        // the window asks it for full screen.
        if (OnWaylandDesktop())
            form->setWindowState(form->windowState() | Qt::WindowFullScreen);
        form->show();
        form->activateWindow();
        form->CoverOtherMonitors();
        result = application.exec();
        SetDisplayLostHandler({});
        // An exit confirmed while the splash was still up leaves it to be freed here.
        delete FrmSplash.data();
        form->FormDestroy();
    }
    FinalizeUnits();
    RaiseTerminationSignal();
    return result;
}
