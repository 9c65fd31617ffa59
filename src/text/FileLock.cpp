#include "text/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace tallowmere::text {

std::optional<FileLock> FileLock::take(const std::filesystem::path& lockFile,
                                       std::chrono::milliseconds wait) {
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return FileLock(-1);
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return FileLock(fd);
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd); // a file system without locks: nobody can be locked out
            return FileLock(-1);
        }
        if (std::chrono::steady_clock::now() >= until)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::close(fd);
    return std::nullopt;
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    if (fd_ >= 0)
        ::close(fd_); // closing the file gives the lock up
    fd_ = -1;
}

std::filesystem::path dataRootLockFile(const std::filesystem::path& dataRoot) {
    return dataRoot / ".tallowmere.lock";
}

} // namespace tallowmere::text
