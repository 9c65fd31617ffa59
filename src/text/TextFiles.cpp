#include "text/TextFiles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
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

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One read of the size the file has, then whatever it has gained since.
    const auto size = std::filesystem::file_size(path, error);
    std::string content(error ? 0 : size, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
    content.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

bool writeWholeFile(const std::filesystem::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
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

std::optional<std::string> replaceFile(const std::filesystem::path& path,
                                       std::string_view content) {
    removeLeftoverTemporaryFiles(path);
    std::string temporary = (path.parent_path() / (temporaryPrefix(path.filename().string()) +
                                                   std::string(temporarySuffix)))
                                .string();
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

std::optional<std::string> removeFile(const std::filesystem::path& path) {
    removeLeftoverTemporaryFiles(path);
    std::error_code error;
    std::filesystem::remove(path, error);
    return error ? std::optional<std::string>(error.message()) : std::nullopt;
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
