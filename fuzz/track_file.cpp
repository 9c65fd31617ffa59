// TrackEditor.ini: every lookup the rating, the chart check and the profile make.
#include "FuzzInput.h"
#include "rating/TrackParameters.h"
#include "text/TextFiles.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallowmere;
    const TrackFile tracks(text::splitLines(fuzz::bytesOf(data, size)));
    // The lookups by prefix walk the whole file: a few lines' codes suffice.
    const std::size_t looked = std::min<std::size_t>(tracks.lines().size(), 32);
    for (std::size_t i = 0; i < looked; ++i) {
        const std::string& line = tracks.lines()[i];
        (void)findTrackLine(tracks, trackCodeOf(line));
        (void)findTrackLineByPrefix(tracks, fiveColumnCodeOf(line));
        (void)findTrackLineByPrefix(tracks, trackCodeOf(line));
        (void)trackLinesOfSize(tracks, sizeCategoryOf(line));
        (void)speedsOf(line);
        (void)trackNameOf(line);
    }
    return 0;
}
