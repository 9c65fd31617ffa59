#include "card/CardSaving.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/RecordFile.h"
#include "card/ScratchFile.h"
#include "text/TextFiles.h"

#include <optional>
#include <string>

namespace tallowmere {
namespace {

bool savesTheCard(const Form1& form) {
    return !form.ActiveCardFile.empty() && !form.TestRun;
}

// A save that keeps failing (a full disk, a folder without rights) is told
// once, not at every race change. Whether the file was saved.
bool tellSaveOutcome(Form1& form, const std::filesystem::path& file,
                     const std::optional<std::string>& reason, bool& told) {
    if (!reason) {
        told = false;
        return true;
    }
    if (told)
        return false;
    told = true;
    form.platform.showMessage(
        {"Tallowmere TB",
         text::isNotRegularFile(file)
             ? text::notRegularFileText(file)
             : "The race card could not be saved to " + file.string() + ": " + *reason,
         MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
}

// Writes `text`, the record arrays' file text, as saveRecordArrays says.
void saveRecordText(Form1& form, std::string text) {
    if (!savesTheCard(form))
        return;
    const std::filesystem::path file = recordFilePath(form);
    if (form.KeepRecordFileAsBackup) {
        // A saved file that did not fit the card is kept beside the new one,
        // under a name no other file has.
        if (const auto reason = keepAsBackup(file)) {
            tellSaveOutcome(form, file, reason, form.RecordSaveFailureTold);
            return;
        }
        form.KeepRecordFileAsBackup = false;
    }
    if (!tellSaveOutcome(form, file, text::replaceFile(file, text), form.RecordSaveFailureTold))
        return;
    form.SavedRecordFileText = std::move(text);
    if (form.ScratchFileIgnored)
        saveScratches(form);
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
    saveRecordText(form, recordFileText(form.Records, form.Card.RaceCount));
}

void saveChangedRecordArrays(Form1& form) {
    std::string text = recordFileText(form.Records, form.Card.RaceCount);
    if (form.SavedRecordFileText != text)
        saveRecordText(form, std::move(text));
}

void saveScratches(Form1& form) {
    if (!savesTheCard(form))
        return;
    const std::filesystem::path file = scratchFilePath(form);
    const auto reason = form.Scratched.empty()
                            ? text::removeFile(file)
                            : text::replaceFile(file, scratchFileText(form.Card, form.Scratched));
    if (tellSaveOutcome(form, file, reason, form.ScratchSaveFailureTold))
        form.ScratchFileIgnored = false;
}

} // namespace tallowmere
