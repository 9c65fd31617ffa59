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

} // namespace tallowmere
