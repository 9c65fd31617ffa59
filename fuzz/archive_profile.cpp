// TBA.ini: Record appends a line formed from the summary's totals row (the
// input's first line, its cells split by tabs), then the betting profiles of
// all tracks and of the selector in the row's first cell read the archive.
#include "FuzzInput.h"
#include "reports/BettingProfile.h"
#include "reports/ProfileSelection.h"
#include "results/Archive.h"
#include "text/TextFiles.h"

namespace {

std::vector<std::string> cellsOf(std::string_view line) {
    std::vector<std::string> cells;
    for (std::size_t at; (at = line.find('\t')) != std::string_view::npos;
         line.remove_prefix(at + 1))
        cells.emplace_back(line.substr(0, at));
    cells.emplace_back(line);
    return cells;
}

const tallowmere::TrackFile& sampleTracks() {
    static const tallowmere::TrackFile tracks = tallowmere::TrackFile::read(TALLOWMERE_TRACK_FILE);
    return tracks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallowmere;
    const std::string_view input = fuzz::bytesOf(data, size);
    const auto archive = fuzz::freshFolder() / "TBA.ini";
    fuzz::writeFile(archive, input);
    const auto inputLines = text::splitLines(input);
    const std::string firstLine = inputLines.empty() ? std::string() : inputLines.front();
    const auto cells = cellsOf(firstLine);
    (void)appendArchiveLine(archive, archiveLine("   CT_20261205", 9, cells));
    const auto lines = text::readLines(archive);
    for (const std::string& selector : {std::string("ALL"), upperCase(cells.front())})
        (void)bettingProfile(selector, lines, sampleTracks());
    return 0;
}
