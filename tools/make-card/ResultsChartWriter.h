#pragma once

#include "CardSchema.h"
#include "SyntheticCard.h"

#include <optional>
#include <string>
#include <vector>

namespace tallowmere::cardgen {

struct Finisher {
    std::string program; // as the card has it: "7", "1A", "12"
    std::string name;
};

// What the chart says of one race. Payoffs are texts as the chart writes them
// ("5.40", "1,234.50"); an empty one was not paid (a field too small for the
// bet, or a race without a superfecta).
struct RaceResult {
    int race = 0;
    std::string postTime;
    std::string surface;             // "Dirt" or "Turf"
    std::string purse;               // "18,000"
    std::vector<Finisher> finishers; // first to fourth; fewer in a smaller field
    std::string win, place, show;    // the winner's
    std::string secondPlace, secondShow;
    std::string thirdShow;
    std::string exacta, trifecta, superfecta;
    bool superfectaSpelledOut = false; // "SUPERFECTA" rather than "SU"
};

struct ResultsChart {
    std::string track; // the card's code, as RACEDR has it
    std::string trackName;
    std::string raceDate; // YYYYMMDD
    std::vector<RaceResult> races;
};

// The results of a card's races: finishers drawn from each race's entries,
// the morning line's favourites more often, with payoffs that follow their
// odds. The same card and request give the same results. Nothing when the
// card's track is not one of sampleTracks(): its TrackEditor.ini would not
// list it, and Auto Record would refuse the chart.
std::optional<ResultsChart> drawResultsChart(const CardRecords& card, const CardRequest& request);

// The program numbers of the race's first n finishers, "5-2-1A".
std::string combination(const RaceResult& race, std::size_t n);

// The chart as a results page prints it, CR LF after every line: a "Results"
// heading and the date line, then per race its heading, the finish heading
// with three finisher lines, and the exacta, trifecta and superfecta lines.
std::string resultsChartText(const ResultsChart& chart);

// The name Auto Record looks for: the card's stem and ".pmr".
std::string resultsChartFileName(const ResultsChart& chart);

} // namespace tallowmere::cardgen
