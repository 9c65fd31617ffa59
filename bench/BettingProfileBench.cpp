// Betting Profiles > All Tracks over an archive of 15,000 or 100,000 cards,
// from TBA.ini on disk to the grid and TBA.txt; with the peak memory.
#include "model/Form1.h"
#include "model/SilentPlatform.h"
#include "reports/BettingProfile.h"
#include "text/TempFolder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string rightAligned(const std::string& text, std::size_t n) {
    return std::string(n > text.size() ? n - text.size() : 0, ' ') + text;
}

// Card i of a season at twenty tracks: varied counts and returns.
std::string archiveLine(int i) {
    static const char* const tracks[] = {"AQU", "BEL", "CD",  "CT",  "DMR", "GP",  "KEE",
                                         "SA",  "SAR", "WO",  "FG",  "OP",  "PIM", "LRL",
                                         "MTH", "TAM", "HAW", "IND", "EMD", "PRX"};
    const int races = 8 + i % 5;
    std::string line = rightAligned(tracks[i % 20], 5) + "_" + std::to_string(20000101 + i % 9000) +
                       rightAligned(std::to_string(races), 3);
    for (int k = 0; k < 4; ++k)
        line += rightAligned(std::to_string((i + k) % 4), 5);
    for (int k = 0; k < 14; ++k) {
        const int cents = (i * 7919 + k * 104729) % (k < 11 ? 40000 : 900000);
        const std::string amount =
            std::to_string(cents / 100) + "." + std::to_string(100 + cents % 100).substr(1);
        line += rightAligned(cents == 0 ? ".00" : amount, k < 11 ? 9 : 10);
    }
    return line;
}

std::filesystem::path makeWorkFolder(int cards) {
    const std::filesystem::path folder =
        tallowmere::text::makeTempFolder("tallowmere-bench").value();
    std::ofstream archive(folder / "TBA.ini", std::ios::binary);
    for (int i = 0; i < cards; ++i)
        archive << archiveLine(i) << "\r\n";
    return folder;
}

// The resident peak of the process, in bytes; writing 5 to clear_refs starts
// it afresh so that each benchmark reports its own.
double peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) * 1024;
    return 0;
}

void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void allTracksProfile(benchmark::State& state) {
    const std::filesystem::path folder = makeWorkFolder(static_cast<int>(state.range(0)));
    tallowmere::SilentPlatform platform;
    resetPeakResident();
    for (auto _ : state) {
        tallowmere::Form1 form(platform);
        form.WorkFolder = folder;
        tallowmere::ALL_Click(form);
        benchmark::DoNotOptimize(form.MSFlexGrid3);
    }
    state.counters["peak_MB"] = peakResidentBytes() / 1e6;
    std::filesystem::remove_all(folder);
}
BENCHMARK(allTracksProfile)->Arg(15'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
