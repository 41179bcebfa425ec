#pragma once

#include "app/KeyThread.h"
#include "app/MainForm.h"
#include "app/ProgramPaths.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KeyData.h"
#include "widgetkit/Application.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

// What a test of the main window needs around it: the colour and key tables, the picture
// formats, the Super keys up, a program folder of its own (for Kedoozle.ini and the modules)
// and the error boxes' texts collected instead of shown.
class TMainFormFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        WinKeysUp = true;
        SetExceptionHandler([this](const std::string& message) { errors.push_back(message); });
        SetProgramFolder(dir.path().toStdString());
    }
    void TearDown() override
    {
        SetProgramFolder("");
        SetExceptionHandler({});
        FinalizeKeyData();
    }
    void WriteIni(const std::string& text)
    {
        std::ofstream file(SettingsFilePath());
        file << text;
    }

    QTemporaryDir dir;
    std::vector<std::string> errors;
};
