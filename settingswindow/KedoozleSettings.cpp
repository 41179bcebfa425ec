#include "settingswindow/SettingsProgram.h"

int main(int argc, char** argv)
{
    return RunSettingsProgram(argc, argv);
}
