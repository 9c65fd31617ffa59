#include "chooser/ChooserArguments.h"

#include "card/DataRoot.h"

namespace tallowmere::chooser {

std::variant<ChooserRequest, std::string>
parseChooserArguments(const std::vector<std::string>& arguments) {
    ChooserRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool folderOption = argument == "--data-root" || argument == "--work-dir";
        if (argument == "--no-restart")
            request.restart = false;
        else if (folderOption && i + 1 < arguments.size() && !arguments[i + 1].empty())
            (argument == "--data-root" ? request.dataRoot : request.workFolder) = arguments[++i];
        else if (argument.rfind("--", 0) == 0)
            return "bad option " + argument;
        else if (argument.empty())
            return "an empty card name";
        else if (request.source)
            return "a second card " + argument;
        else
            request.source = argument;
    }
    return request;
}

std::filesystem::path dataRootOf(const ChooserRequest& request) {
    return request.dataRoot.value_or(defaultDataRoot());
}

std::vector<std::string> restartArguments(const ChooserRequest& request) {
    std::vector<std::string> arguments;
    if (request.dataRoot)
        arguments.insert(arguments.end(), {"--data-root", request.dataRoot->string()});
    if (request.workFolder)
        arguments.insert(arguments.end(), {"--work-dir", request.workFolder->string()});
    return arguments;
}

} // namespace tallowmere::chooser
