#include "card/UnusableFiles.h"

#include "text/TextFiles.h"

namespace tallowmere {

bool refusedAsNotRegular(Form1& form, const std::filesystem::path& file) {
    if (!text::isNotRegularFile(file))
        return false;
    form.platform.showMessage({"Tallowmere TB", text::notRegularFileText(file), MessageButtons::Ok,
                               MessageIcon::Exclamation});
    return true;
}

void writeFileOrTell(Form1& form, const std::filesystem::path& file, std::string_view content) {
    if (!refusedAsNotRegular(form, file))
        text::writeWholeFile(file, content);
}

std::string archiveUnreadableText(const std::filesystem::path& archive, const std::string& reason) {
    return "The archive \"" + archive.string() + "\" could not be read: " + reason + ".";
}

} // namespace tallowmere
