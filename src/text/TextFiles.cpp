#include "text/TextFiles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallowmere::text {

std::vector<std::string_view> lineViews(std::string_view content) {
    // The next CR and the next LF are each found by one fast search and kept
    // until a line passes them.
    std::vector<std::string_view> lines;
    std::size_t nextCr = content.find('\r');
    std::size_t nextLf = content.find('\n');
    std::size_t start = 0;
    while (start < content.size()) {
        if (nextCr < start)
            nextCr = content.find('\r', start);
        if (nextLf < start)
            nextLf = content.find('\n', start);
        const std::size_t end = std::min(nextCr, nextLf);
        if (end == std::string_view::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        const bool crLf = end == nextCr && nextLf == end + 1;
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> splitLines(std::string_view content) {
    const std::vector<std::string_view> views = lineViews(content);
    return {views.begin(), views.end()};
}

namespace {

std::string systemReason() {
    return std::strerror(errno);
}

// A descriptor that closes itself.
struct OpenFile {
    int fd = -1;
    explicit OpenFile(int descriptor) : fd(descriptor) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool isRegular(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Reads to the end: one read of the size the file has, then whatever it has
// gained since.
bool readAll(int fd, std::string& content) {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && status.st_size > 0)
        content.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno != EINTR)
            return false;
        if (got > 0)
            content.append(buffer, static_cast<std::size_t>(got));
    }
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

FileRead readFileChecked(const std::filesystem::path& path) {
    // Without blocking, so that a FIFO or a device is never waited on.
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {FileRead::Status::Missing, {}, {}};
        if (errno == ENXIO || errno == ELOOP)
            return {FileRead::Status::NotRegular, {}, {}};
        return {FileRead::Status::Failed, {}, systemReason()};
    }
    if (!isRegular(file.fd))
        return {FileRead::Status::NotRegular, {}, {}};
    FileRead read{FileRead::Status::Read, {}, {}};
    if (!readAll(file.fd, read.content))
        return {FileRead::Status::Failed, {}, systemReason()};
    return read;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    FileRead read = readFileChecked(path);
    if (read.status != FileRead::Status::Read)
        return std::nullopt;
    return std::move(read.content);
}

bool isNotRegularFile(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno == ELOOP; // a link that leads back to itself is no file either
    return !S_ISREG(status.st_mode);
}

std::string notRegularFileText(const std::filesystem::path& path) {
    return "\"" + path.string() + "\" is not a regular file: nothing was read or written.";
}

namespace {

// Opens a file to write without blocking, and only a regular one (created
// when missing); -1 with errno set otherwise.
int openRegularForWriting(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | flags, 0644);
    if (fd < 0)
        return -1;
    if (!isRegular(fd)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

} // namespace

bool writeWholeFile(const std::filesystem::path& path, std::string_view content) {
    if (isNotRegularFile(path))
        return false;
    const OpenFile file(openRegularForWriting(path, 0));
    return file.fd >= 0 && ::ftruncate(file.fd, 0) == 0 && writeAll(file.fd, content);
}

bool appendText(const std::filesystem::path& path, std::string_view content) {
    if (isNotRegularFile(path))
        return false;
    const OpenFile file(openRegularForWriting(path, O_APPEND));
    return file.fd >= 0 && writeAll(file.fd, content);
}

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
    auto content = readWholeFile(path);
    if (!content)
        return std::nullopt;
    return splitLines(*content);
}

namespace {

constexpr std::string_view temporarySuffix = "XXXXXX";

std::string temporaryPrefix(const std::string& target) {
    return "." + target + ".";
}

void removeLeftoverTemporaryFiles(const std::filesystem::path& path) {
    std::error_code error;
    const std::string target = path.filename().string();
    for (std::filesystem::directory_iterator it(path.parent_path(), error), end;
         !error && it != end; it.increment(error))
        if (isTemporaryFileOf(it->path().filename().string(), target) && it->is_regular_file(error))
            std::filesystem::remove(it->path(), error);
}

} // namespace

bool isTemporaryFileOf(const std::string& name, const std::string& target) {
    const std::string prefix = temporaryPrefix(target);
    if (name.size() != prefix.size() + temporarySuffix.size() || name.rfind(prefix, 0) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

std::error_code renameWithoutReplacing(const std::filesystem::path& from,
                                       const std::filesystem::path& to) {
    const auto lastError = [] { return std::error_code(errno, std::generic_category()); };
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return lastError();
    // A file system that cannot rename without replacing: a hard link never
    // replaces either.
    if (::link(from.c_str(), to.c_str()) != 0)
        return lastError();
    if (::unlink(from.c_str()) != 0) {
        const std::error_code error = lastError();
        ::unlink(to.c_str());
        return error;
    }
    return {};
}

namespace {

// A link to a file stands for the file it leads to, which is replaced; the
// link stays.
std::filesystem::path fileBehindLinks(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target;
}

} // namespace

std::optional<std::string> replaceFile(const std::filesystem::path& target,
                                       std::string_view content) {
    const std::filesystem::path path = fileBehindLinks(target);
    if (isNotRegularFile(path))
        return std::string("not a regular file");
    removeLeftoverTemporaryFiles(path);
    std::string temporary = (path.parent_path() / (temporaryPrefix(path.filename().string()) +
                                                   std::string(temporarySuffix)))
                                .string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemReason();
    struct stat existing {}; // a replaced file keeps its permissions
    ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const std::string writeReason = written ? std::string{} : systemReason();
    if (::close(fd) != 0 && written) {
        const std::string reason = systemReason();
        ::unlink(temporary.c_str());
        return reason;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return writeReason;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = systemReason();
        ::unlink(temporary.c_str());
        return reason;
    }
    return std::nullopt;
}

std::optional<std::string> removeFile(const std::filesystem::path& path) {
    if (isNotRegularFile(path))
        return std::string("not a regular file");
    removeLeftoverTemporaryFiles(path);
    std::error_code error;
    std::filesystem::remove(path, error);
    return error ? std::optional<std::string>(error.message()) : std::nullopt;
}

std::optional<std::string> appendToFile(const std::filesystem::path& path,
                                        std::string_view content) {
    if (isNotRegularFile(path))
        return std::string("not a regular file");
    const int fd = openRegularForWriting(path, O_APPEND);
    if (fd < 0)
        return systemReason();
    std::optional<std::string> reason;
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        reason = systemReason();
    } else if (!writeAll(fd, content) || ::fsync(fd) != 0) {
        reason = systemReason();
        (void)::ftruncate(fd, before.st_size);
    }
    if (::close(fd) != 0 && !reason)
        reason = systemReason();
    return reason;
}

} // namespace tallowmere::text
