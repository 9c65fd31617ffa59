#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

// A new card goes into the TrackMaster folder by renames: the previous card's
// tables into the staging folder's "previous", then the new tables from the
// staging folder into place. A journal written before the first rename and
// removed after the last lets a swap cut short (a killed program, a power
// cut) be finished or undone, so the folder never stays half swapped.
struct CardSwap {
    std::vector<std::string> previousTables; // their names in the TrackMaster folder
    std::vector<std::string> newTables;      // their names in the staging folder and after
};

// Beside the tables, so that putting them in place is a rename.
std::filesystem::path stagingFolder(const std::filesystem::path& trackMaster);

// Carries the swap out: the journal, the renames, then no journal. After a
// failure every rename is taken back. `beforeRename` is told before each
// rename (tests stop the program there). The reason of a failure, or nothing.
std::optional<std::string> swapCardTables(const std::filesystem::path& trackMaster,
                                          const CardSwap& swap,
                                          const std::function<void()>& beforeRename = {});

// A swap its journal says was cut short is finished when every new table is
// in place, and undone otherwise; the staging folder then goes, with the
// previous card's tables only once the folder holds a whole card. False when
// the folder is still half swapped (a journal that cannot be read, a rename
// that fails): the journal and the staging folder stay for the next repair.
[[nodiscard]] bool repairUnfinishedSwap(const std::filesystem::path& trackMaster);

} // namespace tallowmere
