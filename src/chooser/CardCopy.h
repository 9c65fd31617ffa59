#pragma once

#include "card/CardTables.h"
#include "chooser/CardProblem.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace tallowmere::chooser {

using tallowmere::cardTableFiles;

// Takes the card at `source` (a folder holding its five tables, or a .zip
// holding them anywhere inside, found by name whatever their case) into the
// TrackMaster folder of `dataRoot`, under the names above; then removes the
// tables of the card that was there, whatever the case of their names. Every
// table is copied and checked before any is put in place, so on a problem
// the folder is left as it was. The tables go into place under a journal, so
// a run cut short is finished or undone by the next run or by Start.
// `beforeRename` is told before each rename (tests stop the program there).
std::optional<CardProblem> copyCardIn(const std::filesystem::path& dataRoot,
                                      const std::filesystem::path& source,
                                      const std::function<void()>& beforeRename = {});

} // namespace tallowmere::chooser
