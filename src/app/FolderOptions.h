#pragma once

#include "card/DataRoot.h"
#include "model/Form1.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

// The two folders a front end may be given: the data root (by default
// $HOME/A TallowmereTB PRO) and the working folder (by default the data root).
struct FolderOptions {
    std::filesystem::path dataRoot = defaultDataRoot();
    std::optional<std::filesystem::path> workFolder;
};

// Takes "--data-root DIR" or "--work-dir DIR" at arguments[i], leaving i on
// DIR. False, and i unchanged, for any other argument or a missing or empty DIR.
bool takeFolderOption(const std::vector<std::string>& arguments, std::size_t& i,
                      FolderOptions& options);

// Reads arguments that are all folder options; the first one that is not, or
// nothing when every one was.
std::optional<std::string> parseFolderOptions(const std::vector<std::string>& arguments,
                                              FolderOptions& options);

// The window's data root and working folder, absolute, and the folder of the
// program itself (its companion lives beside it).
void setFolders(Form1& form, const FolderOptions& options,
                const std::filesystem::path& programFolder);

} // namespace tallowmere
