#include "rating/TrackParameters.h"

#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

std::vector<std::string> trackLines(const std::filesystem::path& trackFile) {
    return text::readLines(trackFile).value_or(std::vector<std::string>{});
}

} // namespace

std::string lineColumns(std::string_view line, std::size_t first, std::size_t width) {
    if (first == 0 || first > line.size())
        return {};
    return std::string(line.substr(first - 1, width));
}

std::optional<std::string> findTrackLine(const std::filesystem::path& trackFile,
                                         std::string_view code) {
    for (auto& line : trackLines(trackFile))
        if (trackCodeOf(line) == code)
            return std::move(line);
    return std::nullopt;
}

std::optional<std::string> findTrackLineByPrefix(const std::filesystem::path& trackFile,
                                                 std::string_view code) {
    for (auto& line : trackLines(trackFile))
        if (text::trimmed(text::firstChars(line, code.size())) == code)
            return std::move(line);
    return std::nullopt;
}

std::vector<std::string> trackLinesOfSize(const std::filesystem::path& trackFile,
                                          std::string_view category) {
    std::vector<std::string> lines;
    for (auto& line : trackLines(trackFile))
        if (sizeCategoryOf(line) == category)
            lines.push_back(std::move(line));
    return lines;
}

TrackSpeeds speedsOf(std::string_view line) {
    return {text::numberOf(lineColumns(line, 25, 3)), text::numberOf(lineColumns(line, 32, 3)),
            text::numberOf(lineColumns(line, 39, 3))};
}

std::string trackCodeOf(std::string_view line) {
    return text::trimmed(lineColumns(line, 1, 3));
}
std::string fiveColumnCodeOf(std::string_view line) {
    return text::trimmed(lineColumns(line, 1, 5));
}
std::string trackNameOf(std::string_view line) {
    return lineColumns(line, 5, 20);
}
std::string sizeCategoryOf(std::string_view line) {
    return lineColumns(line, 37, 3);
}

} // namespace tallowmere
