#include "text/TextFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace tallowmere::text {

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
    auto content = readWholeFile(path);
    if (!content)
        return std::nullopt;
    return splitLines(*content);
}

namespace {

std::string systemReason() {
    return std::strerror(errno);
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

std::optional<std::string> replaceFile(const std::filesystem::path& path,
                                       std::string_view content) {
    std::string temporary =
        (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemReason();
    ::fchmod(fd, 0644);
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

std::optional<std::string> appendToFile(const std::filesystem::path& path,
                                        std::string_view content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
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
