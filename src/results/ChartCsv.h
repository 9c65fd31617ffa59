#pragma once

#include "results/ResultsChart.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// The vendor's comma-delimited results chart: a race record ("R") per race,
// then a horse record ("H") per starter. The field positions it is read by,
// counted from 1 as the vendor's field list counts them.
namespace chartcsv {
inline constexpr int raceTrack = 3, raceDate = 4, raceNumber = 5, raceDayOrEvening = 6;
inline constexpr int firstExoticGroup = 44, exoticGroups = 10; // name, numbers, payout, pool
inline constexpr int raceFieldsNeeded = 6;
inline constexpr int horseRace = 4, horseProgram = 15, horseOfficialFinish = 31;
inline constexpr int horseWin = 38, horsePlace = 39, horseShow = 40, horseDeadHeatShow = 41;
inline constexpr int horseFieldsNeeded = 40;
// Nothing past the last exotic group is read.
inline constexpr std::size_t fieldsRead = firstExoticGroup + 4 * exoticGroups - 1;
} // namespace chartcsv

// The fields of one line; nothing for a line whose quoted field is never closed.
std::optional<std::vector<std::string>> csvFields(std::string_view line);

// What the comma-delimited chart holds for Auto Record.
struct CsvChartReading {
    bool isChart = false;    // the first record is a race record with an eight-digit date
    std::string identity;    // its track code, "_" and date: "CT_20261205"
    bool evening = false;    // its field 6 is "E"
    ChartReading reading;    // the values of the races the card has, in race order
    int unreadLines = 0;     // records with too few fields, left out
    int firstUnreadLine = 0; // the first of them, counted from 1
};

// Reads the chart's text for a card of `cardRaces` races (at most 20 are
// recorded). `currentRace` is what lastRace stays when no race is recorded.
CsvChartReading readCsvChart(std::string_view content, int cardRaces, int currentRace);

} // namespace tallowmere
