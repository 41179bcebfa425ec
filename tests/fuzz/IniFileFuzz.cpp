// Feeds arbitrary text to the settings-file reader and writer: reading, a few writes and a
// save must not crash, and what was written must read back.
#include "base/IniFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string TempFile()
{
    static const std::string path = [] {
        // Memory-backed when possible: every run saves and syncs the file.
        std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/kdinifuzzXXXXXX" : "/tmp/kdinifuzzXXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0)
            ::close(fd);
        return pattern;
    }();
    return path;
}

void RemoveTempFile()
{
    ::unlink(TempFile().c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The name is made first, so it outlives the exit handler that removes the file.
    (void)TempFile();
    std::atexit(RemoveTempFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = TempFile();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    int value = 0;
    (void)TryStrToInt(text.substr(0, 40), value);
    {
        TIniFile ini(path);
        (void)ini.ReadInteger("Settings", "PlayMode", 0);
        (void)ini.ReadBool("Settings", "Sound", true);
        (void)ini.ReadString("1", "KeyName", "");
        // Section and key names drawn from the input itself reach the odd cases.
        const std::string section = text.substr(0, std::min<std::size_t>(size, 8));
        const std::string key = size > 8 ? text.substr(8, 8) : std::string("Key");
        ini.WriteString(section, key, "value");
        ini.WriteInteger("Settings", "EraseLimit", -25);
        try {
            ini.UpdateFile();
        } catch (...) {
        }
        if (ini.ReadInteger("Settings", "EraseLimit", 0) != -25)
            std::abort();
    }
    const TIniFile reread(path);
    if (reread.ReadInteger("Settings", "EraseLimit", 0) != -25)
        std::abort();
    return 0;
}
