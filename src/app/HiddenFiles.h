#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere {

// Hides files on Linux desktops: their names are listed in the folder's
// ".hidden" file, which file managers honour. Showing them removes the names
// (and the file when no name is left). Other lines of the file are kept.
void setHiddenByMarker(const std::filesystem::path& folder, const std::vector<std::string>& names,
                       bool hidden);

} // namespace tallowmere
