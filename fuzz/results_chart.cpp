// A results chart for the sample card, read by both passes and recorded.
#include "FuzzInput.h"
#include "results/ResultsChart.h"
#include "text/TextFiles.h"

namespace {

const tallowmere::TrackFile& sampleTracks() {
    static const tallowmere::TrackFile tracks = tallowmere::TrackFile::read(TALLOWMERE_TRACK_FILE);
    return tracks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = tallowmere::text::splitLines(fuzz::bytesOf(data, size));
    (void)tallowmere::checkChart(lines, sampleTracks(), "   CT_20261205.pmd");
    for (int currentRace : {0, 1, 20}) {
        const auto reading = tallowmere::readChart(lines, currentRace);
        tallowmere::RecordArrays records;
        tallowmere::recordChartValues(records, reading.values);
    }
    return 0;
}
