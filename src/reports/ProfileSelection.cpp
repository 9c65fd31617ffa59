#include "reports/ProfileSelection.h"

#include "text/Texts.h"

#include <algorithm>
#include <unordered_map>

namespace tallowmere {
namespace {

// Whether an upper-case selector below "A" names a track size: "1/2", or a
// text beginning "5/8", "7/8", "1.M" or "1.Q".
bool isSizeCategory(std::string_view selector) {
    const std::string_view first3 = selector.substr(0, 3);
    return selector == "1/2" || first3 == "5/8" || first3 == "7/8" || first3 == "1.M" ||
           first3 == "1.Q";
}

// How many codes of the size's track list each code stands for: a track listed
// twice in TrackEditor.ini keeps its lines twice.
std::unordered_map<std::string, int> trackListOfSize(const TrackFile& tracks,
                                                     std::string_view category) {
    std::unordered_map<std::string, int> codes;
    for (const auto& line : trackLinesOfSize(tracks, category))
        ++codes[fiveColumnCodeOf(line)];
    return codes;
}

std::vector<std::string_view> linesOfTracks(const std::vector<std::string_view>& archive,
                                            const std::unordered_map<std::string, int>& codes) {
    std::vector<std::string_view> kept;
    for (const auto& line : archive)
        if (const auto found = codes.find(archiveTrackCode(line)); found != codes.end())
            kept.insert(kept.end(), static_cast<std::size_t>(found->second), line);
    return kept;
}

} // namespace

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string archiveTrackCode(std::string_view line) {
    return text::trimmed(text::firstChars(line, 5));
}

std::optional<std::vector<std::string_view>>
selectArchiveLines(std::string_view selector,
                   const std::optional<std::vector<std::string>>& archive,
                   const TrackFile& tracks) {
    if (!archive)
        return selectArchiveLines(selector, std::optional<std::vector<std::string_view>>{}, tracks);
    return selectArchiveLines(
        selector, std::vector<std::string_view>(archive->begin(), archive->end()), tracks);
}

std::optional<std::vector<std::string_view>>
selectArchiveLines(std::string_view selector,
                   const std::optional<std::vector<std::string_view>>& archive,
                   const TrackFile& tracks) {
    const bool allTracks = selector == "ALL";
    const bool trackCode = !allTracks && selector >= std::string_view("A");
    const bool sizeCategory = !allTracks && !trackCode && isSizeCategory(selector);
    if (!allTracks && !trackCode && !sizeCategory)
        return std::vector<std::string_view>{};
    if (!archive)
        return std::nullopt;
    if (allTracks)
        return *archive;
    if (trackCode)
        return linesOfTracks(*archive, {{std::string(selector), 1}});
    return linesOfTracks(*archive, trackListOfSize(tracks, selector));
}

std::string profileTitle(std::string_view selector) {
    if (selector == "ALL")
        return "All Tracks";
    if (selector < std::string_view("A") && isSizeCategory(selector))
        return "Size " + std::string(selector);
    return std::string(selector);
}

std::string archiveCopyText(const std::vector<std::string_view>& kept) {
    std::size_t size = 0;
    for (const auto line : kept)
        size += line.size() + 2;
    std::string copy;
    copy.reserve(size);
    for (auto line = kept.rbegin(); line != kept.rend(); ++line)
        copy.append(*line).append("\r\n");
    return copy;
}

} // namespace tallowmere
