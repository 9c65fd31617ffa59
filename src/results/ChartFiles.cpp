#include "results/ChartFiles.h"

#include "card/CardFileNames.h"
#include "text/Texts.h"

#include <system_error>

namespace tallowmere {
namespace fs = std::filesystem;

std::string chartCsvName(std::string_view activeCardFile, bool evening) {
    const std::string stem = text::trimmedLeft(cardStem(activeCardFile));
    const auto bar = stem.find('_');
    const std::string day =
        bar == std::string::npos ? stem : stem.substr(0, bar) + stem.substr(bar + 1);
    return day + (evening ? "etch.csv" : "tch.csv");
}

std::optional<fs::path> findChartCsv(const fs::path& folder, std::string_view activeCardFile) {
    for (const bool evening : {false, true}) {
        const std::string name = chartCsvName(activeCardFile, evening);
        std::error_code error;
        if (fs::is_regular_file(folder / name, error))
            return folder / name;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            if (text::sameIgnoringCase(it->path().filename().string(), name))
                return it->path();
        }
    }
    return std::nullopt;
}

std::optional<fs::path> chosenResultsFile(const fs::path& textChart,
                                          const std::optional<fs::path>& chartCsv) {
    std::error_code error;
    const bool hasText = fs::exists(textChart, error);
    if (!chartCsv)
        return hasText ? std::optional(textChart) : std::nullopt;
    if (!hasText)
        return chartCsv;
    const auto textTime = fs::last_write_time(textChart, error);
    const auto csvTime = fs::last_write_time(*chartCsv, error);
    return !error && csvTime > textTime ? chartCsv : std::optional(textChart);
}

bool isChartCsv(const fs::path& file) {
    return text::sameIgnoringCase(file.extension().string(), ".csv");
}

} // namespace tallowmere
