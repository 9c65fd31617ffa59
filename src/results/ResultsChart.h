#pragma once

#include "model/RecordArrays.h"
#include "rating/TrackParameters.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// The results chart: a text file in the Results folder named after the active
// card, read in two passes. Both are pure: they take the chart's lines (and
// the track file) and say what Auto Record does with them.

// The check pass: whether the chart belongs to the active card.
struct ChartCheck {
    enum class Outcome {
        Passes,  // the same track and date, or no "Results" heading at all
        Refused, // another track or date: the two messages, nothing recorded
        Failed,  // the reading failed (a date line without a "2", a chart ending
                 // right after its heading): nothing recorded, no message
    };
    Outcome outcome = Outcome::Passes;
    std::string cardStem;      // ActiveCardFile up to its first ".", leading blanks kept
    std::string chartIdentity; // track code, "_", year, month and day; set once the date is read
};

ChartCheck checkChart(std::span<const std::string> chartLines, const TrackFile& tracks,
                      std::string_view activeCardFile);

enum class RecordArray { CardPicks, CardPayoffs };

// One value the record pass stores: the text of a column of a race's row.
struct ChartValue {
    int race = 0;
    RecordArray array = RecordArray::CardPicks;
    int column = 0;
    std::string text;
    friend bool operator==(const ChartValue&, const ChartValue&) = default;
};

// A chart line holding a payoff that could not be recorded.
struct LeftOutPayoff {
    int race = 0;
    std::string line;
};

// The record pass: the values in the order the chart gives them.
struct ChartReading {
    std::vector<ChartValue> values;
    std::vector<LeftOutPayoff> leftOut; // in chart order, each line once
    int lastRace = 0;   // CurrentRace after the reading: the last race heading taken
    bool ended = false; // a failure ended the reading before the chart's end
};

// `currentRace` is the row of the values the chart gives before its first
// race heading. A payoff that is no amount to record (text::recordablePayoff)
// is left out, its line named. A failure (the chart ending inside the finisher lines, a race
// heading above 20 or below 0, a value for a race outside 0 to 20) ends the
// reading; the values before it stay.
ChartReading readChart(std::span<const std::string> chartLines, int currentRace);

// Stores the values into CardPicks and CardPayoffs, in order.
void recordChartValues(RecordArrays& records, std::span<const ChartValue> values);

} // namespace tallowmere
