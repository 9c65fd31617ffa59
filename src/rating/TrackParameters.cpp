#include "rating/TrackParameters.h"

#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
TrackFile::TrackFile(std::vector<std::string> lines) : lines_(std::move(lines)) {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        firstLineOfCode_.try_emplace(trackCodeOf(lines_[i]), i);
}

TrackFile TrackFile::read(const std::filesystem::path& file) {
    return TrackFile(text::readLines(file).value_or(std::vector<std::string>{}));
}

const std::string* TrackFile::lineOfCode(std::string_view code) const {
    const auto found = firstLineOfCode_.find(std::string(code));
    return found == firstLineOfCode_.end() ? nullptr : &lines_[found->second];
}

std::optional<std::string> findTrackLine(const TrackFile& tracks, std::string_view code) {
    const std::string* line = tracks.lineOfCode(code);
    return line ? std::optional<std::string>(*line) : std::nullopt;
}

std::optional<std::string> findTrackLineByPrefix(const TrackFile& tracks, std::string_view code) {
    for (const auto& line : tracks.lines())
        if (text::trimmed(text::firstChars(line, code.size())) == code)
            return line;
    return std::nullopt;
}

std::vector<std::string> trackLinesOfSize(const TrackFile& tracks, std::string_view category) {
    std::vector<std::string> lines;
    for (const auto& line : tracks.lines())
        if (sizeCategoryOf(line) == category)
            lines.push_back(line);
    return lines;
}

TrackSpeeds speedsOf(std::string_view line) {
    return {text::numberOf(text::columnsOf(line, 25, 3)),
            text::numberOf(text::columnsOf(line, 32, 3)),
            text::numberOf(text::columnsOf(line, 39, 3))};
}

std::string trackCodeOf(std::string_view line) {
    return text::trimmed(text::columnsOf(line, 1, 3));
}
std::string fiveColumnCodeOf(std::string_view line) {
    return text::trimmed(text::columnsOf(line, 1, 5));
}
std::string trackNameOf(std::string_view line) {
    return std::string(text::columnsOf(line, 5, 20));
}
std::string sizeCategoryOf(std::string_view line) {
    return std::string(text::columnsOf(line, 37, 3));
}

namespace {

std::string unlistedTrackText(const std::filesystem::path& file, const std::string& why) {
    return "\"" + file.string() + "\" " + why +
           ": speed values are taken as 0, so the ratings differ from those with the track "
           "listed.";
}

} // namespace

std::string missingTrackListNotice(const std::filesystem::path& file) {
    return unlistedTrackText(file, "is missing");
}

std::optional<std::string> unlistedTrackNotice(const std::filesystem::path& file, bool read,
                                               const TrackFile& tracks, std::string_view code) {
    if (!read)
        return missingTrackListNotice(file);
    if (tracks.lineOfCode(code))
        return std::nullopt;
    return unlistedTrackText(file, "does not list " + std::string(code));
}

} // namespace tallowmere
