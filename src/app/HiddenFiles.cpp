#include "app/HiddenFiles.h"

#include "text/TextFiles.h"

#include <algorithm>
#include <system_error>

namespace tallowmere {

void setHiddenByMarker(const std::filesystem::path& folder, const std::vector<std::string>& names,
                       bool hidden) {
    const std::filesystem::path marker = folder / ".hidden";
    std::vector<std::string> listed = text::readLines(marker).value_or(std::vector<std::string>{});
    const auto isNamed = [&](const std::string& line) {
        return std::find(names.begin(), names.end(), line) != names.end();
    };
    std::erase_if(listed, isNamed);
    if (hidden)
        listed.insert(listed.end(), names.begin(), names.end());
    std::error_code error;
    if (listed.empty()) {
        std::filesystem::remove(marker, error);
        return;
    }
    if (!std::filesystem::is_directory(folder, error))
        return;
    std::string content;
    for (const auto& line : listed)
        content += line + "\n";
    (void)text::replaceFile(marker, content);
}

} // namespace tallowmere
