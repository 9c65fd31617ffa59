// make-card: writes the five TrackMaster tables of a synthetic card, a
// TrackEditor.ini listing its tracks and, on request, the card's results chart.
#include "ChartCsvWriter.h"
#include "ResultsChartWriter.h"
#include "SampleTracks.h"
#include "Season.h"
#include "SyntheticCard.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

using namespace tallowmere::cardgen;

constexpr std::string_view usage =
    "usage: make-card --out DIR [--seed N] [--races N] [--entries N] [--past N]\n"
    "                 [--date YYYYMMDD] [--track CODE] [--ini FILE] [--chart]\n"
    "                 [--chart-csv]\n"
    "       make-card --season N --out DIR [--seed N] [--races N] [--entries N]\n"
    "                 [--past N] [--date YYYYMMDD]\n"
    "Writes RACEDR, THR2DR, THRRDR, THRJDR and THRTDR (.DBF) into DIR and the\n"
    "track list to FILE (default DIR/TrackEditor.ini); with --chart also the\n"
    "card's results chart, DIR/<stem>.pmr (the track must be one the list holds);\n"
    "with --chart-csv the same results in the vendor's comma-delimited layout,\n"
    "DIR/<track><date>tch.csv.\n"
    "With --season, N cards on consecutive days from --date, each in a subfolder\n"
    "of DIR with its results chart, and DIR/TrackEditor.ini of their tracks.\n";

bool readCount(std::string_view text, int low, int high, int& into) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return false;
    into = value;
    return true;
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    if (file.flush())
        return true;
    std::cerr << "make-card: cannot write " << path << "\n";
    return false;
}

bool isDate(std::string_view text) {
    return text.size() == 8 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

int main(int argc, char** argv) {
    CardRequest request;
    std::filesystem::path out;
    std::filesystem::path ini;
    bool chart = false;
    bool chartCsv = false;
    int season = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--chart" || option == "--chart-csv") {
            (option == "--chart" ? chart : chartCsv) = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::cerr << "make-card: " << option << " needs a value\n" << usage;
            return 2;
        }
        const std::string_view value = argv[++i];
        int seed = 0;
        bool ok = true;
        if (option == "--out")
            out = value;
        else if (option == "--season")
            ok = readCount(value, 1, 9999, season);
        else if (option == "--ini")
            ini = value;
        else if (option == "--seed")
            ok = readCount(value, 0, 1 << 30, seed), request.seed = std::uint32_t(seed);
        else if (option == "--races")
            ok = readCount(value, 1, 99, request.shape.races);
        else if (option == "--entries")
            ok = readCount(value, 1, 40, request.shape.entriesPerRace);
        else if (option == "--past")
            ok = readCount(value, 0, 40, request.shape.pastRacesPerEntry);
        else if (option == "--date")
            ok = isDate(value), request.raceDate = value;
        else if (option == "--track")
            ok = !value.empty() && value.size() <= 3, request.track = value;
        else
            ok = false;
        if (!ok) {
            std::cerr << "make-card: bad option " << option << " " << value << "\n" << usage;
            return 2;
        }
    }
    if (out.empty()) {
        std::cerr << usage;
        return 2;
    }
    if (season > 0) {
        if (writeSeason(request, season, out))
            return 0;
        std::cerr << "make-card: cannot write the season into " << out << "\n";
        return 1;
    }
    const CardRecords card = makeCard(request);
    const bool anyChart = chart || chartCsv;
    const auto results = anyChart ? drawResultsChart(card, request) : std::nullopt;
    if (anyChart && !results) {
        std::cerr << "make-card: " << (chart ? "--chart" : "--chart-csv")
                  << " needs a track the track list holds\n"
                  << usage;
        return 2;
    }
    if (!writeCardTables(card, out)) {
        std::cerr << "make-card: cannot write the tables into " << out << "\n";
        return 1;
    }
    if (ini.empty())
        ini = out / "TrackEditor.ini";
    if (!writeFile(ini, trackEditorIni(sampleTracks())))
        return 1;
    if (chart && !writeFile(out / resultsChartFileName(*results), resultsChartText(*results)))
        return 1;
    if (chartCsv && !writeFile(out / resultsChartCsvName(*results), resultsChartCsv(*results)))
        return 1;
    return 0;
}
