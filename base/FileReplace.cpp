#include "base/FileReplace.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// mkstemp's six random letters and digits.
constexpr std::size_t RandomPartLength = 6;
// A save whose temporary file a cleanup took first starts over with a new name; a cleanup
// takes a file only in the moment between its creation and its lock, so this is plenty.
constexpr int CreateAttempts = 3;

std::filesystem::path FolderOf(const std::filesystem::path& target)
{
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// ".Kedoozle.ini." for Kedoozle.ini: hidden, and never the name of the file itself.
std::string TemporaryPrefix(const std::filesystem::path& target) { return "." + target.filename().string() + "."; }

bool IsTemporaryName(const std::string& name, const std::string& prefix)
{
    if (name.size() != prefix.size() + RandomPartLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

int LockNow(int fd)
{
    int result = 0;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result;
}

// Locks a temporary file just made against the cleanup of another process. False when such a
// cleanup came between the file's creation and the lock and took the file.
bool HoldTemporary(int fd)
{
    if (LockNow(fd) != 0)
        return errno != EWOULDBLOCK; // no locks on this file system: no cleanup removes anything there
    struct stat info {};
    return ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

bool RemoveIfStale(const std::string& file)
{
    struct stat named {};
    if (::lstat(file.c_str(), &named) != 0 || !S_ISREG(named.st_mode))
        return false;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    struct stat opened {};
    // A save holds its file locked until it is renamed into place: a lock we get means
    // nobody writes the file any more.
    if (::fstat(fd, &opened) == 0 && SameFile(opened, named) && LockNow(fd) == 0) {
        // Still that file under that name now that it is ours: it was not renamed into place.
        struct stat now {};
        removed = ::lstat(file.c_str(), &now) == 0 && SameFile(now, opened) && ::unlink(file.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

} // namespace

bool ReplaceFileWhole(const std::string& path, const std::string& content, unsigned mode)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = FolderOf(target);
    const std::string pattern = (folder / (TemporaryPrefix(target) + std::string(RandomPartLength, 'X'))).string();
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < CreateAttempts && fd < 0; ++attempt) {
        temporary = pattern;
        fd = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return false;
        if (!HoldTemporary(fd)) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0)
        return false;
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            written += std::size_t(n);
    }
    ok = ok && ::fchmod(fd, mode_t(mode)) == 0;
    ok = ok && ::fsync(fd) == 0;
    // The file stays open, and so locked, until it has its final name.
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        ::close(fd);
        return false;
    }
    ::close(fd); // the sync above has reported any write error
    // A failure to sync the folder loses nothing: the file is in place either way.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

int RemoveStaleReplaceFiles(const std::string& path)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    std::vector<std::string> candidates;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (IsTemporaryName(entry->path().filename().string(), prefix))
            candidates.push_back(entry->path().string());
    }
    int removed = 0;
    for (const std::string& file : candidates)
        removed += RemoveIfStale(file) ? 1 : 0;
    return removed;
}
