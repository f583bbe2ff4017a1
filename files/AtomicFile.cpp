// Whole-file writes through a temporary file and a rename, and bounded whole-file reads.
#include "files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace files {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write to path replaces: the target of a symbolic link, otherwise path itself.
std::string ResolveTarget(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr)
            return resolved;
    }
    return path;
}

mode_t ModeFor(const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min(kChunk, bytes.size() - done);
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SystemError("cannot write");
        }
        if (n == 0)
            return "cannot write: the disk accepts no more data";
        done += static_cast<std::size_t>(n);
    }
    return {};
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveTarget(path);
    std::string temp = FolderOf(target) + "/." + BaseNameOf(target) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return SystemError("cannot create a file in " + FolderOf(target));
    temp = name.data();

    std::string error = WriteAll(fd, bytes);
    if (error.empty() && fchmod(fd, ModeFor(target)) != 0)
        error = SystemError("cannot set mode");
    if (error.empty() && fsync(fd) != 0)
        error = SystemError("cannot flush to disk");
    if (::close(fd) != 0 && error.empty())
        error = SystemError("cannot close");
    if (error.empty() && std::rename(temp.c_str(), target.c_str()) != 0) {
        error = SystemError("cannot replace " + target);
    }
    if (!error.empty())
        ::unlink(temp.c_str());
    return error;
}

bool ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::string& bytes,
                    std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = SystemError("cannot open");
        return false;
    }
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        error = "cannot open: it is a folder";
        return false;
    }
    bytes.clear();
    char buffer[kChunk];
    while (bytes.size() < maxBytes) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

}  // namespace files
