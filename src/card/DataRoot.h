#pragma once

#include "text/FileLock.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// The folders a card lives in. The data root holds the seven card folders;
// the working folder holds the two .ini files and the reports.
struct DataRoot {
    std::filesystem::path root;

    std::filesystem::path trackMasterFolder() const { return root / "TrackMaster ExE Files"; }
    std::filesystem::path raceCardsFolder() const { return root / "Race Cards"; }
    std::filesystem::path selectionsFolder() const { return root / "Selections"; }
    std::filesystem::path keySelectionsFolder() const { return root / "Selections2"; }
    std::filesystem::path programsFolder() const { return root / "Programs"; }
    std::filesystem::path entriesFolder() const { return root / "Entries"; }
    std::filesystem::path resultsFolder() const { return root / "Results"; }
};

inline constexpr std::string_view cardFolderNames[] = {"TrackMaster ExE Files",
                                                       "Race Cards",
                                                       "Selections",
                                                       "Selections2",
                                                       "Programs",
                                                       "Entries",
                                                       "Results"};

// The TrackMaster files of a card that start-up shows and New/Recall hides.
inline constexpr std::string_view trackMasterFileNames[] = {
    "INF_TXTR.DAT", "PP_MARK.DBF", "TRACKS.FIL", "RACEDR.DBF", "THRTDR.DBF", "THRSDR.DBF",
    "THRRDR.DBF",   "THRMDR.DBF",  "THRJDR.DBF", "THRDDR.DBF", "THR2DR.DBF"};

std::vector<std::string> trackMasterFileList();

// The data root held for this program while it works on it, made when
// missing; nothing when another program holds it for `wait`.
std::optional<text::FileLock> holdDataRoot(const std::filesystem::path& root,
                                           std::chrono::milliseconds wait = {});
// "Tallowmere TB is already working on \"<data root>\"."
std::string alreadyWorkingText(const std::filesystem::path& root);

// $HOME/A TallowmereTB PRO (the current folder stands in for a missing HOME).
std::filesystem::path defaultDataRoot();

} // namespace tallowmere
