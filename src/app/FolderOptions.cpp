#include "app/FolderOptions.h"

namespace tallowmere {
namespace {

std::filesystem::path absoluteFolder(const std::filesystem::path& folder) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(folder, error);
    return (error ? folder : absolute).lexically_normal();
}

} // namespace

bool takeFolderOption(const std::vector<std::string>& arguments, std::size_t& i,
                      FolderOptions& options) {
    const std::string& option = arguments[i];
    if (option != "--data-root" && option != "--work-dir")
        return false;
    if (i + 1 >= arguments.size() || arguments[i + 1].empty())
        return false;
    (option == "--data-root" ? options.dataRoot : options.workFolder.emplace()) = arguments[++i];
    return true;
}

std::optional<std::string> parseFolderOptions(const std::vector<std::string>& arguments,
                                              FolderOptions& options) {
    for (std::size_t i = 0; i < arguments.size(); ++i)
        if (!takeFolderOption(arguments, i, options))
            return arguments[i];
    return std::nullopt;
}

void setFolders(Form1& form, const FolderOptions& options,
                const std::filesystem::path& programFolder) {
    form.DataRoot = absoluteFolder(options.dataRoot);
    form.WorkFolder = options.workFolder ? absoluteFolder(*options.workFolder) : form.DataRoot;
    form.ProgramFolder = programFolder;
}

} // namespace tallowmere
