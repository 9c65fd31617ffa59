#pragma once

#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "card/DataRoot.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

// A fresh data root holding the largest card the store takes (20 races of 20
// entries, 20 past races each) and the sample track file.
inline std::filesystem::path makeLargestCardRoot() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
    const std::filesystem::path root = ::mkdtemp(pattern.data());
    tallowmere::cardgen::CardRequest request;
    request.shape = {20, 20, 20};
    tallowmere::cardgen::writeCardTables(tallowmere::cardgen::makeCard(request),
                                         tallowmere::DataRoot{root}.trackMasterFolder());
    std::ofstream(root / "TrackEditor.ini", std::ios::binary)
        << tallowmere::cardgen::trackEditorIni(tallowmere::cardgen::sampleTracks());
    return root;
}
