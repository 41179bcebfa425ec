#include "app/ProgramPaths.h"

#include "base/FileReplace.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* SettingsFileTitle = "Kedoozle.ini";

std::string WithTrailingSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string& ProgramFolderOverride()
{
    static std::string folder;
    return folder;
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Creates `folder` and its missing parents, each new one private to the user as the
// base-directory rules ask.
bool MakeFolders(const std::filesystem::path& folder)
{
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return true;
    if (folder.has_parent_path() && folder.parent_path() != folder && !MakeFolders(folder.parent_path()))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

std::string ProgramFolder()
{
    if (!ProgramFolderOverride().empty())
        return WithTrailingSlash(ProgramFolderOverride());
    return WithTrailingSlash(QCoreApplication::applicationDirPath().toStdString());
}

void SetProgramFolder(const std::string& folder) { ProgramFolderOverride() = folder; }

std::string ProgramFolderSet() { return ProgramFolderOverride(); }

std::string DataFolder()
{
    const std::string program = ProgramFolder();
    const std::filesystem::path installed = std::filesystem::path(program + KD_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code error;
    if (std::filesystem::is_directory(installed, error))
        return WithTrailingSlash(installed.string());
    return program;
}

bool IsPortable()
{
    const std::string folder = DataFolder();
    if (::access(folder.c_str(), W_OK) != 0)
        return false;
    // The superuser passes every permission check; a folder nobody may write is still meant
    // to be read-only, so the settings go to the superuser's own folder too.
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string UserSettingsFolder()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base = config && config[0] == '/' ? config : WithTrailingSlash(HomeFolder()) + ".config";
    return WithTrailingSlash(base) + "kedoozle/";
}

std::string SettingsFilePath()
{
    return (IsPortable() ? DataFolder() : UserSettingsFolder()) + SettingsFileTitle;
}

bool SeedSettingsFile(const std::string& settingsFile)
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(settingsFile, error)))
        return true;
    std::string content;
    if (!ReadWholeFile(DataFolder() + SettingsFileTitle, content))
        return false; // nothing to copy: the program starts with the defaults
    const std::filesystem::path folder = std::filesystem::path(settingsFile).parent_path();
    return (folder.empty() || MakeFolders(folder)) && ReplaceFileWhole(settingsFile, content, 0644);
}

void SeedUserSettings()
{
    if (!IsPortable())
        SeedSettingsFile(UserSettingsFolder() + SettingsFileTitle);
}

std::string SettingsFileToRead()
{
    if (IsPortable())
        return DataFolder() + SettingsFileTitle;
    SeedUserSettings();
    const std::string userFile = UserSettingsFolder() + SettingsFileTitle;
    std::error_code error;
    if (std::filesystem::exists(userFile, error))
        return userFile;
    return DataFolder() + SettingsFileTitle;
}

std::string ModulePath(const std::string& name)
{
    if (name.find('/') != std::string::npos || name == "." || name == ".." || IsPortable())
        return name;
    const std::string userModule = UserSettingsFolder() + name;
    return IsRegularFile(userModule) ? userModule : name;
}
