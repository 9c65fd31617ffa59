#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tallowmere::chooser {

inline constexpr std::string_view chooserUsage =
    "usage: tallowmere-cards [--data-root DIR] [--work-dir DIR] [--no-restart] [DIR|ZIP]\n"
    "Copies a race card (a folder or a .zip holding its five TrackMaster tables)\n"
    "into the data root and starts tallowmere again. Without DIR|ZIP it asks.\n";

// What tallowmere-cards was asked to do.
struct ChooserRequest {
    std::optional<std::filesystem::path> dataRoot;
    std::optional<std::filesystem::path> workFolder;
    std::optional<std::filesystem::path> source; // none: ask for it
    bool restart = true;
};

// The request, or why the arguments do not make one.
std::variant<ChooserRequest, std::string>
parseChooserArguments(const std::vector<std::string>& arguments);

// The data root of the request: the one given, or the usual one.
std::filesystem::path dataRootOf(const ChooserRequest& request);

// The arguments tallowmere is started again with: the folder options given.
std::vector<std::string> restartArguments(const ChooserRequest& request);

} // namespace tallowmere::chooser
