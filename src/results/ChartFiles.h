#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere {

// The vendor's name for a card's comma-delimited chart: track code, date and
// "tch.csv" ("CT20261205tch.csv"), with "e" before "tch" for an evening card.
std::string chartCsvName(std::string_view activeCardFile, bool evening);

// The card's chart file in `folder`, by its day name and then its evening
// name, in any letter case; nothing when neither is there.
std::optional<std::filesystem::path> findChartCsv(const std::filesystem::path& folder,
                                                  std::string_view activeCardFile);

// Which of the card's two results files to read: the one there, or of both
// the one changed last (the text chart when they were changed together).
std::optional<std::filesystem::path>
chosenResultsFile(const std::filesystem::path& textChart,
                  const std::optional<std::filesystem::path>& chartCsv);

// Whether the file is a comma-delimited chart by its name (".csv", any case).
bool isChartCsv(const std::filesystem::path& file);

} // namespace tallowmere
