#pragma once

#include <filesystem>

namespace tallowmere::testing {

// Puts the sample card's tables and its track list into a data root and,
// when asked, its results chart where Auto Record looks for it.
inline void copySampleCard(const std::filesystem::path& root, bool withChart) {
    namespace fs = std::filesystem;
    const fs::path samples = TALLOWMERE_SAMPLES;
    fs::create_directories(root / "TrackMaster ExE Files");
    for (const auto& table : fs::directory_iterator(samples / "card"))
        fs::copy_file(table.path(), root / "TrackMaster ExE Files" / table.path().filename());
    fs::copy_file(samples / "TrackEditor.ini", root / "TrackEditor.ini");
    if (!withChart)
        return;
    fs::create_directories(root / "Results");
    fs::copy_file(samples / "results.pmr", root / "Results" / "   CT_20261205.pmr");
}

} // namespace tallowmere::testing
