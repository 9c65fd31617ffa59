#pragma once

#include "card/DataRoot.h"
#include "text/TempFolder.h"

#include <cstdlib>
#include <filesystem>

// A fresh data root holding the bundled sample card and its track file.
inline std::filesystem::path makeSampleCardRoot() {
    const std::filesystem::path root = tallowmere::text::makeTempFolder("tallowmere-bench").value();
    const std::filesystem::path samples = TALLOWMERE_SAMPLES;
    const auto tables = tallowmere::DataRoot{root}.trackMasterFolder();
    std::filesystem::create_directories(tables);
    for (const auto& table : std::filesystem::directory_iterator(samples / "card"))
        std::filesystem::copy_file(table.path(), tables / table.path().filename());
    std::filesystem::copy_file(samples / "TrackEditor.ini", root / "TrackEditor.ini");
    return root;
}
