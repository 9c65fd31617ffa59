#pragma once

#include <filesystem>

namespace tallowmere {

// The files of the working folder: the archive and the track lists the user
// keeps, and the reports the program writes there.
struct WorkFolder {
    std::filesystem::path folder;

    std::filesystem::path archive() const { return folder / "TBA.ini"; }
    std::filesystem::path trackList() const { return folder / "TrackEditor.ini"; }
    std::filesystem::path targetTracks() const { return folder / "TargetTracks.txt"; }
    // The archive lines of the profile on screen.
    std::filesystem::path shownProfile() const { return folder / "TBA.txt"; }
    std::filesystem::path todaysResults() const { return folder / "Todays Results.txt"; }
    std::filesystem::path printedProfile() const { return folder / "Profile Results.txt"; }
};

} // namespace tallowmere
