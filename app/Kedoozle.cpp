#include "app/KDGlobals.h"
#include "app/MainForm.h"
#include "app/PictureFormats.h"
#include "framework/Application.h"
#include "framework/StringTable.h"
#include "graphics/ColorData.h"
#include "platform/ScreenPalette.h"
#include "platform/Sound.h"
#include "play/KeyData.h"
#include "resources/ProgramResources.h"

#include <QGuiApplication>
#include <QScreen>

#include <memory>

namespace {

// The program's units start in this order and finish in the reverse order.
void InitializeUnits()
{
    // The screen's palette decides whether the program's colours go through the shared palette;
    // its depth whether pictures dither.
    const int depth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->depth() : 24;
    const TScreenPaletteCaps palette = ScreenPaletteCaps();
    InitColorData(depth, palette.PaletteEntries, palette.RasterCaps);
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

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    HandleExceptions(InitializeUnits);
    application.SetTitle(LoadStr(Str::AppTitle));
    application.setQuitOnLastWindowClosed(false);

    int result = 0;
    {
        auto form = std::make_unique<TFrmKedoozle>();
        // An error while the window is created ends its creation at that step; the window
        // is still shown and play goes on with what was done.
        HandleExceptions([&] { form->FormCreate(); });
        QObject::connect(&application, &QGuiApplication::applicationStateChanged, form.get(),
                         [&form](Qt::ApplicationState state) {
                             if (state != Qt::ApplicationActive)
                                 form->AppEventsDeactivate();
                         });
        form->show();
        form->activateWindow();
        result = application.exec();
        form->FormDestroy();
    }
    FinalizeUnits();
    return result;
}
