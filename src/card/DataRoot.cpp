#include "card/DataRoot.h"

#include <cstdlib>

namespace tallowmere {

std::vector<std::string> trackMasterFileList() {
    return {std::begin(trackMasterFileNames), std::end(trackMasterFileNames)};
}

std::filesystem::path defaultDataRoot() {
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = (home && *home) ? home : ".";
    return base / "A TallowmereTB PRO";
}

std::optional<text::FileLock> holdDataRoot(const std::filesystem::path& root,
                                           std::chrono::milliseconds wait) {
    std::error_code error;
    std::filesystem::create_directories(root, error);
    return text::FileLock::take(text::dataRootLockFile(root), wait);
}

std::string alreadyWorkingText(const std::filesystem::path& root) {
    return "Tallowmere TB is already working on \"" + root.string() + "\".";
}

} // namespace tallowmere
