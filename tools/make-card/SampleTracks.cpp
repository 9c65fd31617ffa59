#include "SampleTracks.h"

#include <cstdio>

namespace tallowmere::cardgen {

const std::vector<TrackLine>& sampleTracks() {
    static const std::vector<TrackLine> tracks = {
        {"AQU", "Aqueduct", 91, 88, "1.Q", 0},         {"BEL", "Belmont Park", 94, 90, "1.Q", 0},
        {"CD", "Churchill Downs", 95, 91, "1.M", 0},   {"CNL", "Colonial Downs", 87, 85, "1.Q", 0},
        {"CT", "Charles Town", 84, 83, "7/8", 4},      {"DED", "Delta Downs", 85, 84, "7/8", 3},
        {"DMR", "Del Mar", 93, 90, "1.M", 0},          {"EMD", "Emerald Downs", 86, 85, "1.M", 0},
        {"EVD", "Evangeline Downs", 85, 84, "1.M", 0}, {"FG", "Fair Grounds", 90, 88, "1.M", 0},
        {"FON", "Fonner Park", 82, 82, "5/8", 2},      {"GP", "Gulfstream Park", 94, 92, "1.Q", 0},
        {"HAW", "Hawthorne", 87, 85, "1.M", 0},        {"IND", "Indiana Grand", 88, 86, "1.M", 0},
        {"KEE", "Keeneland", 96, 93, "1.Q", 0},        {"LRL", "Laurel Park", 89, 87, "1.Q", 0},
        {"MNR", "Mountaineer", 84, 83, "1.M", 0},      {"MTH", "Monmouth Park", 90, 88, "1.M", 0},
        {"OP", "Oaklawn Park", 92, 89, "1.M", 0},      {"PEN", "Penn National", 86, 84, "1.M", 0},
        {"PIM", "Pimlico", 89, 87, "1.M", 0},          {"PRX", "Parx Racing", 88, 86, "1.M", 0},
        {"SA", "Santa Anita", 97, 94, "1.M", 0},       {"SAR", "Saratoga", 98, 95, "1.Q", 0},
        {"TAM", "Tampa Bay Downs", 88, 86, "1.M", 0},  {"TIM", "Timonium", 83, 82, "5/8", 5},
        {"WO", "Woodbine", 93, 91, "1.Q", 0},
    };
    return tracks;
}

std::string trackEditorLine(const TrackLine& track) {
    char line[64];
    std::snprintf(line, sizeof line, "%-3.3s %-20.20s%3d    %3d  %.3s", track.code.c_str(),
                  (" " + track.name).c_str(), track.sprint, track.mile, track.category.c_str());
    std::string text = line;
    if (!track.category.empty() && track.category.back() == '8')
        text += std::to_string(track.routeDigit);
    return text;
}

std::string trackEditorIni(const std::vector<TrackLine>& tracks) {
    std::string text;
    for (const auto& track : tracks)
        text += trackEditorLine(track) + "\r\n";
    return text;
}

} // namespace tallowmere::cardgen
