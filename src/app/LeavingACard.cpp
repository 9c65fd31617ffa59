#include "app/AppCommands.h"
#include "card/CardSaving.h"
#include "card/DataRoot.h"
#include "model/RaceBoxes.h"

namespace tallowmere {
namespace {

constexpr const char* companionProgram = "tallowmere-cards";

// What the user typed into the race on screen is kept, as when a race is left.
void keepTypedBoxes(Form1& form) {
    if (!form.ActiveCardFile.empty())
        storeShownRaceBoxes(form);
}

} // namespace

void CRC_Click(Form1& form) {
    form.menus.Exit_Program.enabled = true;
    keepTypedBoxes(form);
    Clear_Frame4(form);
    for (int i = 1; i <= 8; ++i)
        form.setText39(i, "");
    for (int i = 0; i <= 9; ++i)
        form.Text57.find(i)->text.clear();
    form.Label7.caption.clear();
    form.menus.NewRC.enabled = true;
    form.Command1.enabled = false;
    if (form.ActiveCardFile.empty())
        return;
    saveRecordArrays(form);
    form.ActiveCardFile.clear();
    form.MSFlexGrid1.clear();
    form.MSFlexGrid2.clear();
    form.ShownSummary.reset();
}

void Form_Unload(Form1& form) {
    keepTypedBoxes(form);
    saveRecordArrays(form);
}

void Exit_Program_Click(Form1& form) {
    Form_Unload(form);
    form.platform.endProgram();
}

void NewRC_Click(Form1& form) {
    form.menus.NewRC.enabled = false;
    form.platform.setFilesHidden(DataRoot{form.DataRoot}.trackMasterFolder(), trackMasterFileList(),
                                 true);
    // The chooser starts this program again afterwards, on the same folders.
    form.platform.startProgram(
        form.ProgramFolder / companionProgram,
        {"--data-root", form.DataRoot.string(), "--work-dir", form.WorkFolder.string()});
    form.platform.endProgram();
}

} // namespace tallowmere
