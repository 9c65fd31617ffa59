#include "Season.h"

#include "ResultsChartWriter.h"
#include "SampleTracks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

namespace tallowmere::cardgen {
namespace {

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    return static_cast<bool>(file.flush());
}

std::string subfolderName(int index) {
    const std::string number = std::to_string(index + 1);
    return "card-" + std::string(number.size() < 3 ? 3 - number.size() : 0, '0') + number;
}

bool writeSeasonCard(const CardRequest& request, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const CardRecords card = makeCard(request);
    const auto chart = drawResultsChart(card, request);
    return chart && writeCardTables(card, folder) &&
           writeFile(folder / resultsChartFileName(*chart), resultsChartText(*chart));
}

std::vector<TrackLine> seasonTrackLines() {
    std::vector<TrackLine> lines;
    for (const auto& track : sampleTracks())
        if (std::ranges::find(seasonTracks(), track.code) != seasonTracks().end())
            lines.push_back(track);
    return lines;
}

} // namespace

const std::vector<std::string>& seasonTracks() {
    static const std::vector<std::string> tracks = {"CD", "CT", "SAR", "GP", "FON"};
    return tracks;
}

std::string daysAfter(const std::string& date, int days) {
    using namespace std::chrono;
    const year_month_day start{year(std::stoi(date.substr(0, 4))),
                               month(static_cast<unsigned>(std::stoi(date.substr(4, 2)))),
                               day(static_cast<unsigned>(std::stoi(date.substr(6, 2))))};
    const year_month_day next{sys_days(start) + std::chrono::days(days)};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(next.year()),
                  static_cast<unsigned>(next.month()), static_cast<unsigned>(next.day()));
    return text;
}

CardRequest seasonCardRequest(const CardRequest& first, int index) {
    CardRequest request = first;
    request.seed = first.seed + static_cast<std::uint32_t>(index);
    request.raceDate = daysAfter(first.raceDate, index);
    request.track = seasonTracks()[static_cast<std::size_t>(index) % seasonTracks().size()];
    return request;
}

bool writeSeason(const CardRequest& first, int cards, const std::filesystem::path& out) {
    for (int i = 0; i < cards; ++i)
        if (!writeSeasonCard(seasonCardRequest(first, i), out / subfolderName(i)))
            return false;
    return writeFile(out / "TrackEditor.ini", trackEditorIni(seasonTrackLines()));
}

} // namespace tallowmere::cardgen
