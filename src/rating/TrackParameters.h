#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// TrackEditor.ini: one track a line in fixed columns. Every lookup reads the
// file afresh, so an edit made in the text viewer is seen at once; a missing
// file has no lines.

// The first line whose columns 1-3, trimmed, equal `code` (already trimmed).
std::optional<std::string> findTrackLine(const std::filesystem::path& trackFile,
                                         std::string_view code);

// The first line whose first n characters, trimmed, equal the n-character `code`.
std::optional<std::string> findTrackLineByPrefix(const std::filesystem::path& trackFile,
                                                 std::string_view code);

// Every line whose size category (columns 37-39) is `category`, in file order.
std::vector<std::string> trackLinesOfSize(const std::filesystem::path& trackFile,
                                          std::string_view category);

// The characters of columns `first` (counted from 1) to `first + width - 1`
// that the line has; a short line gives fewer, or none.
std::string lineColumns(std::string_view line, std::size_t first, std::size_t width);

struct TrackSpeeds {
    double sprint = 0; // columns 25-27
    double mile = 0;   // columns 32-34
    double route = 0;  // columns 39-41
};
TrackSpeeds speedsOf(std::string_view line);

std::string trackCodeOf(std::string_view line);      // columns 1-3, trimmed
std::string fiveColumnCodeOf(std::string_view line); // columns 1-5, trimmed
std::string trackNameOf(std::string_view line);      // columns 5-24, blanks kept
std::string sizeCategoryOf(std::string_view line);   // columns 37-39

} // namespace tallowmere
