#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::cli {

// What the batch front end prints after a usage error.
extern const std::string_view batchUsage;

// Runs `tallowmere-cli` on its arguments (without the program name) against a
// fresh window, exactly as the window's buttons and menus would: printed
// output to `out`, usage errors and refusals to `err`. Returns the exit status:
// 0; 1 when a command failed at its work (those after it still run); or 2 for
// a usage error (nothing runs) or a refused command (those after it do not
// run). `programFolder` is where the program and its companions live.
int runBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const std::filesystem::path& programFolder);

} // namespace tallowmere::cli
