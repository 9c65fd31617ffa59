#pragma once

#include "ResultsChartWriter.h"
#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "card/DataRoot.h"
#include "text/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

// A fresh data root holding the card of `request` and a track file of the
// sample tracks after `linesBefore`.
inline std::filesystem::path makeCardRoot(const tallowmere::cardgen::CardRequest& request,
                                          const std::string& linesBefore = {}) {
    const std::filesystem::path root = tallowmere::text::makeTempFolder("tallowmere-bench").value();
    tallowmere::cardgen::writeCardTables(tallowmere::cardgen::makeCard(request),
                                         tallowmere::DataRoot{root}.trackMasterFolder());
    std::ofstream(root / "TrackEditor.ini", std::ios::binary)
        << linesBefore << tallowmere::cardgen::trackEditorIni(tallowmere::cardgen::sampleTracks());
    return root;
}

// The largest card the store takes: 20 races of 20 entries, 20 past races
// each, at a track the sample track file lists, so that it has a results chart.
inline tallowmere::cardgen::CardRequest largestCardRequest() {
    tallowmere::cardgen::CardRequest request;
    request.shape = {20, 20, 20};
    request.track = "CT";
    return request;
}

inline std::filesystem::path makeLargestCardRoot() {
    return makeCardRoot(largestCardRequest());
}

// The results chart of the largest card, as a results page prints it.
inline std::string largestCardChart() {
    const auto request = largestCardRequest();
    const auto chart =
        tallowmere::cardgen::drawResultsChart(tallowmere::cardgen::makeCard(request), request);
    return chart ? tallowmere::cardgen::resultsChartText(*chart) : std::string{};
}
