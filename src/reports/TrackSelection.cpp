#include "reports/TrackSelection.h"

#include "card/WorkFolder.h"
#include "reports/BettingProfile.h"
#include "reports/ProfileSelection.h"
#include "text/TextFiles.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tallowmere {
namespace {

constexpr std::size_t codePlaces = 100;

// A missing or unreadable list shows only the separator and "EXIT".
void showTrackList(Form1& form, const std::filesystem::path& trackList) {
    ListBox& list = form.List1;
    list.visible = true;
    list.items.clear();
    for (auto& code : text::readLines(trackList).value_or(std::vector<std::string>{})) {
        list.items.push_back(std::move(code));
        list.height = trackListHeight(list.items.size());
    }
    list.items.push_back("---------------------");
    list.items.push_back("EXIT");
    list.bold = true;
}

} // namespace

std::vector<std::string> distinctTrackCodes(const std::vector<std::string>& archive) {
    // Free places hold empty texts, so a blank code matches one of them.
    std::vector<std::string> codes;
    for (const auto& line : archive) {
        const std::string code = archiveTrackCode(line);
        const bool known = std::find(codes.begin(), codes.end(), code) != codes.end() ||
                           (code.empty() && codes.size() < codePlaces);
        if (known)
            continue;
        if (codes.size() == codePlaces)
            break;
        codes.push_back(code);
    }
    return codes;
}

int trackListHeight(std::size_t codes) {
    constexpr std::uint64_t largest = std::numeric_limits<int>::max();
    const std::uint64_t height = 225 * std::uint64_t{codes} + 700;
    return static_cast<int>(std::min(height, largest));
}

std::string trackListText(const std::vector<std::string>& codes) {
    std::string text;
    for (const auto& code : codes)
        text += code + "\r\n";
    return text;
}

void Select_Click(Form1& form) {
    hideRaceCardItems(form.menus);
    const auto trackList = WorkFolder{form.WorkFolder}.targetTracks();
    showTrackList(form, trackList);
    const auto archive = text::readLines(WorkFolder{form.WorkFolder}.archive());
    // A list that cannot be written keeps its old content for the next time.
    (void)text::replaceFile(
        trackList, trackListText(distinctTrackCodes(archive.value_or(std::vector<std::string>{}))));
    for (int k = 1; k <= 20; ++k)
        form.Command3.find(k)->visible = true;
}

} // namespace tallowmere
