#include "card/DataRoot.h"

#include <cstdlib>

namespace tallowmere {

std::filesystem::path defaultDataRoot() {
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = (home && *home) ? home : ".";
    return base / "A TallowmereTB PRO";
}

} // namespace tallowmere
