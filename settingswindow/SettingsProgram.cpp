#include "settingswindow/SettingsProgram.h"

#include "app/Languages.h"
#include "familycontent/ContentError.h"
#include "familycontent/FamilySettings.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "platform/DisplayCheck.h"
#include "platform/ScreenPalette.h"
#include "platform/SingleInstance.h"
#include "platform/Sound.h"
#include "platform/WindowSystem.h"
#include "play/KeyData.h"
#include "settingswindow/SettingsWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>

int RunSettingsProgram(int argc, char** argv)
{
    if (argc > 1) {
        std::fprintf(stderr, "KedoozleSettings: unexpected argument '%s' (kedoozle --help lists the options)\n", argv[1]);
        return 2;
    }
    // The same window system as play, so the two know of each other on one display.
    ChooseWindowSystem();
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (const std::string reason = DisplayUnavailableReason(platform ? platform : ""); !reason.empty()) {
        std::fprintf(stderr, "Kedoozle Settings: %s\n", reason.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kedoozle.Kedoozle"));
    // The standard dialogs and buttons (file dialog, Yes/No, OK) speak the same language, in
    // Qt's own words where they are installed.
    QTranslator qtTexts;
    if (const std::string language = UseDesktopLanguage(); language != "en"
        && qtTexts.load(QStringLiteral("qtbase_") + QString::fromStdString(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    TSingleInstance instance;
    instance.SetRole("settings");
    if (!instance.Acquire()) {
        if (instance.ActivateRunning()) {
            if (instance.RunningRole() == "settings")
                std::printf("Kedoozle Settings is already open on this display; it has been brought to the front.\n");
            else
                std::printf("Kedoozle is playing on this display; it has been brought to the front (end play to change the settings).\n");
            return 0;
        }
        if (!instance.TakeOver()) {
            std::fprintf(stderr, "Kedoozle Settings: a copy of Kedoozle running on this display does not answer and could not be ended.\n");
            return 1;
        }
    }

    TFamilySettings settings(TFamilySettings::PathsForThisUser());
    try {
        settings.Load();
    } catch (const TContentError& error) {
        QMessageBox::critical(nullptr, QCoreApplication::translate("TSettingsWindow", "Kedoozle Settings"),
                              QCoreApplication::translate("TSettingsWindow", "The settings cannot be read: %1")
                                  .arg(QString::fromStdString(error.what())));
        return 1;
    }
    // The key pages draw as play draws.
    const TScreenPaletteCaps palette = ScreenPaletteCaps();
    InitColorData(24, palette.PaletteEntries, palette.RasterCaps);
    InitKeyData();
    RegisterPictureFormats();
    int result = 0;
    {
        TSettingsWindow window(settings);
        instance.OnActivate = [&window, &instance] { window.BringToFront(instance.RequesterRole() == "play"); };
        window.show();
        result = application.exec();
    }
    ShutdownSound();
    FinalizeKeyData();
    FinalizeColorData();
    return result;
}
