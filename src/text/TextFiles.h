#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tallowmere::text {

// The lines of a text: CR LF, CR alone and LF alone each end a line, so files
// saved by any editor read alike. Text after the last line end is a line too.
std::vector<std::string> splitLines(std::string_view content);
// The same lines as views into `content`, for a reader that keeps a large file.
std::vector<std::string_view> lineViews(std::string_view content);

// What reading a file gave. Every file is opened without blocking and read
// only when it is a regular file, so a FIFO or a device is never waited on.
struct FileRead {
    enum class Status { Read, Missing, NotRegular, Failed };
    Status status = Status::Missing;
    std::string content; // when Read
    std::string reason;  // when Failed: the system's text
};
FileRead readFileChecked(const std::filesystem::path& path);

// The bytes of a file; nothing when it is missing, not a regular file or
// cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Whether something other than a regular file (a folder, a FIFO, a device, a
// link that leads back to itself) stands at the path, links followed.
bool isNotRegularFile(const std::filesystem::path& path);
// "\"<path>\" is not a regular file: nothing was read or written."
std::string notRegularFileText(const std::filesystem::path& path);

// Creates or empties the file and writes `content`, for files the program
// forms again on every run. Whether the whole content was written; nothing is
// written to what is not a regular file.
bool writeWholeFile(const std::filesystem::path& path, std::string_view content);

// Appends `content` to the file (created when missing), a regular file only,
// without waiting for the disk. Whether all of it was written.
bool appendText(const std::filesystem::path& path, std::string_view content);

// The lines of a file as splitLines reads them; nothing when it cannot be read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

// Replaces the file with `content` through a temporary file in the same
// folder and a rename, so the old file stays whole when writing fails. The
// temporary files that earlier replacements of this file left behind when
// they were cut short (a power cut, a killed program) are removed first. A
// link to a file has that file replaced and stays a link; what is not a
// regular file is never replaced. Returns the reason of a failure, nothing on
// success.
[[nodiscard]] std::optional<std::string> replaceFile(const std::filesystem::path& path,
                                                     std::string_view content);

// Removes the file, if there is one, and the temporary files that earlier
// replacements of it left behind. Returns the reason of a failure.
[[nodiscard]] std::optional<std::string> removeFile(const std::filesystem::path& path);

// Whether `name` is the temporary file a replacement of `target` writes.
bool isTemporaryFileOf(const std::string& name, const std::string& target);

// Moves `from` to `to` unless a file named `to` exists, which is never
// replaced (std::errc::file_exists). Returns the error of a failure.
[[nodiscard]] std::error_code renameWithoutReplacing(const std::filesystem::path& from,
                                                     const std::filesystem::path& to);

// Appends `content` to the file, created when missing, as one whole: when
// writing fails the file is cut back to what it held. A file that is not a
// regular one is never opened. Returns the reason of a failure, nothing on
// success.
[[nodiscard]] std::optional<std::string> appendToFile(const std::filesystem::path& path,
                                                      std::string_view content);

} // namespace tallowmere::text
