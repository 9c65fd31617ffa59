#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tallowmere::text {

// A fresh folder "<prefix>-XXXXXX" under the system's temporary folder (/tmp
// when the system names none), or nothing when none can be made.
std::optional<std::filesystem::path> makeTempFolder(std::string_view prefix);

// A fresh temporary folder, removed with its contents when this goes; its path
// is empty when none could be made.
class TempFolder {
  public:
    explicit TempFolder(std::string_view prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace tallowmere::text
