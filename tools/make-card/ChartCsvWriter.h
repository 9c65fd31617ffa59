#pragma once

#include "ResultsChartWriter.h"

#include <string>

namespace tallowmere::cardgen {

// The chart in the vendor's comma-delimited layout, CR LF after every record:
// per race a race record with its exacta, trifecta and superfecta groups,
// then a horse record per runner in finishing order. The same finishers and
// payoffs resultsChartText writes; payouts without thousands separators.
std::string resultsChartCsv(const ResultsChart& chart);

// The name Auto Record looks for: the track code, the date and "tch.csv".
std::string resultsChartCsvName(const ResultsChart& chart);

} // namespace tallowmere::cardgen
