#include "card/CardSaving.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/RecordFile.h"
#include "card/ScratchFile.h"
#include "text/TextFiles.h"

#include <optional>
#include <string>
#include <system_error>

namespace tallowmere {
namespace {

bool savesTheCard(const Form1& form) {
    return !form.ActiveCardFile.empty() && !form.TestRun;
}

// A save that keeps failing (a full disk, a folder without rights) is told
// once, not at every race change.
void tellSaveOutcome(Form1& form, const std::filesystem::path& file,
                     const std::optional<std::string>& reason) {
    if (!reason) {
        form.SaveFailureTold = false;
        return;
    }
    if (form.SaveFailureTold)
        return;
    form.SaveFailureTold = true;
    form.platform.showMessage(
        {"Tallowmere TB", "The race card could not be saved to " + file.string() + ": " + *reason,
         MessageButtons::Ok, MessageIcon::Exclamation});
}

std::optional<std::string> removed(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::remove(file, error);
    return error ? std::optional<std::string>(error.message()) : std::nullopt;
}

} // namespace

std::filesystem::path recordFilePath(const Form1& form) {
    return DataRoot{form.DataRoot}.raceCardsFolder() / form.ActiveCardFile;
}

std::filesystem::path scratchFilePath(const Form1& form) {
    return DataRoot{form.DataRoot}.raceCardsFolder() /
           cardFileWithExtension(form.ActiveCardFile, "scr");
}

void saveRecordArrays(Form1& form) {
    if (!savesTheCard(form))
        return;
    const std::filesystem::path file = recordFilePath(form);
    if (form.KeepRecordFileAsBackup) {
        // A saved file that did not fit the card is kept beside the new one,
        // under a name no other file has.
        if (const auto reason = keepAsBackup(file)) {
            tellSaveOutcome(form, file, reason);
            return;
        }
        form.KeepRecordFileAsBackup = false;
    }
    tellSaveOutcome(form, file, saveRecordFile(file, form.Records, form.Card.RaceCount));
}

void saveScratches(Form1& form) {
    if (!savesTheCard(form))
        return;
    const std::filesystem::path file = scratchFilePath(form);
    tellSaveOutcome(form, file,
                    form.Scratched.empty()
                        ? removed(file)
                        : text::replaceFile(file, scratchFileText(form.Card, form.Scratched)));
}

} // namespace tallowmere
