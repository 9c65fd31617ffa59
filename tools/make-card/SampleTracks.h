#pragma once

#include <string>
#include <vector>

namespace tallowmere::cardgen {

struct TrackLine {
    std::string code; // TrackMaster's code, at most three characters
    std::string name; // at most 19 characters
    int sprint;       // speed values: higher is a faster track
    int mile;
    std::string category; // track size: "1/2", "5/8", "7/8", "1.M" or "1.Q"
    int routeDigit;       // with a category ending in 8, the route value is 80 + this
};

// North American tracks with invented speed values on the scale 82 to 98.
const std::vector<TrackLine>& sampleTracks();

// One line of TrackEditor.ini in its fixed columns: code 1-3, name 5-24,
// sprint 25-27, mile 32-34, size 37-39, route 39-41 (sharing column 39).
std::string trackEditorLine(const TrackLine& track);

// The whole file, CR LF after every line.
std::string trackEditorIni(const std::vector<TrackLine>& tracks);

} // namespace tallowmere::cardgen
