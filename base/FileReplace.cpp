#include "base/FileReplace.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// mkstemp's six random letters and digits.
constexpr std::size_t RandomPartLength = 6;
// A save waits this long for another save or a start's cleanup in the same folder; both take
// far less.
constexpr auto FolderWait = std::chrono::seconds(2);
constexpr auto FolderPoll = std::chrono::milliseconds(10);

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

// The folder a file is replaced in, open for its lock and its sync. Saves and cleanups of
// one folder take turns through the lock, so a cleanup never meets a save's file before the
// save has renamed or removed it. The lock goes with the object, or with the process.
class TFolder {
public:
    explicit TFolder(const std::filesystem::path& folder)
        : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~TFolder()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TFolder(const TFolder&) = delete;
    TFolder& operator=(const TFolder&) = delete;

    // EWOULDBLOCK while another holds it; any other failure means no locks here.
    int TryLock() const
    {
        if (m_fd < 0)
            return EBADF;
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EINTR)
                return errno;
        }
        return 0;
    }
    void LockOrWait() const
    {
        const auto deadline = std::chrono::steady_clock::now() + FolderWait;
        while (TryLock() == EWOULDBLOCK && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(FolderPoll);
    }
    // A failure to sync the folder loses nothing: the file is in place either way.
    void Sync() const
    {
        if (m_fd >= 0)
            ::fsync(m_fd);
    }

private:
    int m_fd;
};

} // namespace

bool ReplaceFileWhole(const std::string& path, const std::string& content, unsigned mode)
{
    const std::filesystem::path target(path);
    const TFolder folder(FolderOf(target));
    folder.LockOrWait();
    std::string temporary =
        (FolderOf(target) / (TemporaryPrefix(target) + std::string(RandomPartLength, 'X'))).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
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
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    folder.Sync();
    return true;
}

int RemoveStaleReplaceFiles(const std::string& path)
{
    const std::filesystem::path target(path);
    const TFolder folder(FolderOf(target));
    if (folder.TryLock() != 0)
        return 0;
    const std::string prefix = TemporaryPrefix(target);
    int removed = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(FolderOf(target), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path file = entry->path();
        struct stat info {};
        if (IsTemporaryName(file.filename().string(), prefix) && ::lstat(file.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode) && ::unlink(file.c_str()) == 0)
            ++removed;
    }
    return removed;
}
