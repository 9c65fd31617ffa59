#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace tallowmere::text {

// An exclusive lock on a lock file (created when missing), held until the
// object goes or release() is called. Another process asking for the same
// file's lock waits or is refused; the file itself stays.
class FileLock {
  public:
    // The lock, waiting for it at most `wait`; nothing when another holds it
    // that long. Where no lock file can be made (a folder that cannot be
    // written) or locked (a file system without locks) there is nobody to
    // lock out: the lock holds nothing then.
    static std::optional<FileLock> take(const std::filesystem::path& lockFile,
                                        std::chrono::milliseconds wait = {});

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    void release();

  private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// The lock file a program holds on a data root while it works on it.
std::filesystem::path dataRootLockFile(const std::filesystem::path& dataRoot);

} // namespace tallowmere::text
