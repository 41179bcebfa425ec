#include "app/SettingsLauncher.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int StartSettingsWindow()
{
    // The program's own file, not argv[0]: the menu starts it through a link in bin/.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        std::fprintf(stderr, "Kedoozle: the program's own folder cannot be found (%s)\n", error.message().c_str());
        return 1;
    }
    const std::string settings = (self.parent_path() / "KedoozleSettings").string();
    char* const arguments[] = { const_cast<char*>(settings.c_str()), nullptr };
    ::execv(settings.c_str(), arguments);
    std::fprintf(stderr, "Kedoozle: the settings window %s cannot be started: %s\n", settings.c_str(),
                 std::strerror(errno));
    return 1;
}
