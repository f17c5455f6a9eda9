#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool WriteAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& target)
{
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

std::string TemporaryPrefix(const std::filesystem::path& target)
{
    std::string prefix(1, '.');
    prefix += target.filename().string();
    prefix += ".tmp";
    return prefix;
}

// The writer's process id of a temporary named prefix + "<pid>-<serial>"; 0 for any other name.
pid_t WriterOf(const std::string& leaf, const std::string& prefix)
{
    if (leaf.size() <= prefix.size() || leaf.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string_view rest = std::string_view(leaf).substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == rest.size())
        return 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (i != dash && !IsDigit(rest[i]))
            return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
}

bool IsRunning(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// A writer that crashed or was killed leaves its temporary behind; a live writer's stays.
void RemoveLeftovers(const std::filesystem::path& target)
{
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator it(FolderOf(target), error), end; !error && it != end;
         it.increment(error)) {
        const pid_t writer = WriterOf(it->path().filename().string(), prefix);
        if (writer > 0 && writer != ::getpid() && !IsRunning(writer) && it->is_regular_file(error))
            ::unlink(it->path().c_str());
    }
}

// Creates a new, empty file beside target; -1 when the folder does not take one.
int CreateTemporary(const std::filesystem::path& target, std::string& tempName)
{
    // Shared by every thread that saves (the match tool writes records from several).
    static std::atomic<unsigned> serial{0};
    const std::filesystem::path folder = FolderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = TemporaryPrefix(target) + std::to_string(::getpid()) + "-"
            + std::to_string(++serial);
        tempName = (folder / leaf).string();
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

int AtomicFile::Write(const std::string& fileName, std::string_view bytes)
{
    std::filesystem::path target(fileName);
    std::error_code error;
    // Write through a link to the file it names instead of replacing the link.
    if (std::filesystem::is_symlink(target, error)) {
        std::filesystem::path resolved = std::filesystem::canonical(target, error);
        if (!error)
            target = resolved;
    }

    RemoveLeftovers(target);
    std::string tempName;
    const int fd = CreateTemporary(target, tempName);
    if (fd < 0)
        return 1;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(tempName.c_str(), target.c_str()) == 0)
        return 0;
    ::unlink(tempName.c_str());
    return 1;
}
