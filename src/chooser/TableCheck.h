#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tallowmere::chooser {

// Why `file` is not an xBase table the program can read in full (no header,
// no fields, fewer records than its header counts, fields beyond the record);
// nothing when it is one.
std::optional<std::string> tableDamage(const std::filesystem::path& file);

} // namespace tallowmere::chooser
