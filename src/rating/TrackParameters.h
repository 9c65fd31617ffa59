#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tallowmere {

// TrackEditor.ini: one track a line in fixed columns. A command reads it once
// and looks up as often as it needs; the next command reads it afresh, so an
// edit saved in the text viewer meanwhile is seen. A missing file has no lines.
class TrackFile {
  public:
    TrackFile() = default;
    explicit TrackFile(std::vector<std::string> lines);
    static TrackFile read(const std::filesystem::path& file);

    const std::vector<std::string>& lines() const { return lines_; }

    // The first line whose columns 1-3, trimmed, equal `code` (already trimmed).
    const std::string* lineOfCode(std::string_view code) const;

  private:
    std::vector<std::string> lines_;
    std::unordered_map<std::string, std::size_t> firstLineOfCode_;
};

// The first line whose columns 1-3, trimmed, equal `code` (already trimmed).
std::optional<std::string> findTrackLine(const TrackFile& tracks, std::string_view code);

// The first line whose first n characters, trimmed, equal the n-character `code`.
std::optional<std::string> findTrackLineByPrefix(const TrackFile& tracks, std::string_view code);

// Every line whose size category (columns 37-39) is `category`, in file order.
std::vector<std::string> trackLinesOfSize(const TrackFile& tracks, std::string_view category);

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

// "<file>" is missing: speed values are taken as 0, ...
std::string missingTrackListNotice(const std::filesystem::path& file);

// What the user is told when the track list `file` gives no speed values for
// the card's track `code`: it was not read, or it does not list the code.
// Nothing when it lists it.
std::optional<std::string> unlistedTrackNotice(const std::filesystem::path& file, bool read,
                                               const TrackFile& tracks, std::string_view code);

} // namespace tallowmere
