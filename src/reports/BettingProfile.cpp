#include "reports/BettingProfile.h"

#include "card/UnusableFiles.h"
#include "card/WorkFolder.h"
#include "reports/ProfileSelection.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

// Returns false when the profile stops here.
bool prepareProfileScreen(Form1& form, const std::string& selector) {
    form.menus.Print2.visible = true;
    form.menus.Print1.visible = false;
    form.List1.visible = false;
    if (selector == "EXIT") {
        form.Window.width = 17400;
        return false;
    }
    form.Window.width = 16250;
    form.MSFlexGrid3.clear();
    form.MSFlexGrid3.visible = false;
    form.Window.caption = "Betting Profile";
    form.menus.MainScreen.visible = true;
    if (selector.empty()) {
        form.Window.width = 17400;
        return false;
    }
    return true;
}

// The filled grid takes the place of the shown one, hidden at the window's top
// left; it is shown, with its cards kept, only when the profile was completed.
void placeProfileGrid(Form1& form, ProfileGrid profile, const std::string& selector) {
    Grid& grid = form.MSFlexGrid3;
    profile.grid.fontName = grid.fontName;
    profile.grid.fontSize = grid.fontSize;
    grid = std::move(profile.grid);
    grid.top = 0;
    grid.left = 0;
    grid.width = 17100;
    grid.height = 12500;
    grid.visible = false;
    form.Window.width = 17400;
    form.Window.height = 11200;
    if (!profile.complete)
        return;
    grid.height = 10000;
    grid.visible = true;
    // The same cards of the same profile as those shown keep their generation.
    if (profile.cards != form.ShownProfile.cards || selector != form.ShownProfile.selector)
        form.ShownProfile = {std::move(profile.cards), form.ShownProfile.generation + 1, selector};
}

std::vector<std::string_view> newestFirst(const std::vector<std::string_view>& kept) {
    return std::vector<std::string_view>(kept.rbegin(), kept.rend());
}

} // namespace

void hideRaceCardItems(Menus& menus) {
    for (MenuItemOf item : {&Menus::SelectionAndResults, &Menus::EBET, &Menus::PTR, &Menus::Results,
                            &Menus::ImportChart})
        (menus.*item).visible = false;
}

std::optional<BettingProfile> bettingProfile(std::string_view selector,
                                             const std::optional<std::vector<std::string>>& archive,
                                             const TrackFile& tracks) {
    const auto kept = selectArchiveLines(selector, archive, tracks);
    if (!kept)
        return std::nullopt;
    return BettingProfile{archiveCopyText(*kept), profileGrid(newestFirst(*kept))};
}

namespace {

// The archive's bytes; nothing when it is missing or cannot be read, which
// the user is told.
std::optional<std::string> readArchive(Form1& form) {
    const auto archive = WorkFolder{form.WorkFolder}.archive();
    text::FileRead read = text::readFileChecked(archive);
    if (read.status == text::FileRead::Status::NotRegular)
        refusedAsNotRegular(form, archive);
    if (read.status == text::FileRead::Status::Failed)
        form.platform.showMessage({"Tallowmere TB", archiveUnreadableText(archive, read.reason),
                                   MessageButtons::Ok, MessageIcon::Exclamation});
    if (read.status != text::FileRead::Status::Read)
        return std::nullopt;
    return std::move(read.content);
}

} // namespace

// The archive is read whole and its lines are kept as views; TBA.txt is
// written and let go before the grid is made, so that the largest archive
// never has its copy and its grid in memory at once.
void Profile2(Form1& form, const std::string& selector) {
    if (!prepareProfileScreen(form, selector))
        return;
    const auto content = readArchive(form);
    const std::string upper = upperCase(selector);
    const auto kept =
        selectArchiveLines(upper, content ? std::optional(text::lineViews(*content)) : std::nullopt,
                           TrackFile::read(WorkFolder{form.WorkFolder}.trackList()));
    if (!kept || refusedAsNotRegular(form, WorkFolder{form.WorkFolder}.shownProfile()))
        return;
    if (text::replaceFile(WorkFolder{form.WorkFolder}.shownProfile(), archiveCopyText(*kept)))
        return;
    placeProfileGrid(form, profileGrid(newestFirst(*kept)), upper);
}

void ALL_Click(Form1& form) {
    hideRaceCardItems(form.menus);
    Profile2(form, "ALL");
}

void List1_Click(Form1& form, const std::string& clicked) {
    form.List1.height = 50;
    Profile2(form, text::trimmed(clicked));
}

} // namespace tallowmere
