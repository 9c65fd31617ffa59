#include "text/TempFolder.h"

#include <cstdlib>
#include <string>

namespace tallowmere::text {

namespace fs = std::filesystem;

std::optional<fs::path> makeTempFolder(std::string_view prefix) {
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    std::string pattern =
        ((error ? fs::path("/tmp") : temporary) / (std::string(prefix) + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        return std::nullopt;
    return fs::path(pattern);
}

TempFolder::TempFolder(std::string_view prefix)
    : path_(makeTempFolder(prefix).value_or(fs::path())) {}

// A test may have taken the owner's rights away to make a folder unwritable.
TempFolder::~TempFolder() {
    if (path_.empty())
        return;
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

} // namespace tallowmere::text
