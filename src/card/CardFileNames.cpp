#include "card/CardFileNames.h"

#include "text/Texts.h"

namespace tallowmere {

std::string activeCardFileName(std::string_view trackCode, std::string_view raceDate) {
    return text::rightAligned(trackCode, 5) + "_" + std::string(raceDate) + ".pmd";
}

std::string cardFileWithExtension(std::string_view activeCardFile, std::string_view extension) {
    const auto dot = activeCardFile.find('.');
    const std::string_view stem =
        dot == std::string_view::npos ? activeCardFile : activeCardFile.substr(0, dot + 1);
    return std::string(stem) + std::string(extension);
}

bool leavesItsFolder(std::string_view text) {
    if (text.find("..") != std::string_view::npos)
        return true;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f)
            return true;
    }
    return false;
}

std::string cardStem(std::string_view activeCardFile) {
    return std::string(activeCardFile.substr(0, activeCardFile.find('.')));
}

} // namespace tallowmere
