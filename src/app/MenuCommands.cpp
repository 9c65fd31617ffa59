#include "app/AppCommands.h"
#include "app/WebLinks.h"
#include "card/WorkFolder.h"

namespace tallowmere {

void Test_Click(Form1& form) {
    form.menus.Test.checked = !form.menus.Test.checked;
}

void About_Click(Form1& form) {
    form.platform.showMessage({"Tallowmere TB",
                               "Tallowmere Thoroughbred PRO\nHandicapping software for "
                               "Thoroughbred racing. Past performance is no guarantee of "
                               "future results.",
                               MessageButtons::Ok, MessageIcon::Information});
}

void Version_Click(Form1& form) {
    form.platform.showMessage({"Tallowmere TB", "Tallowmere Thoroughbred PRO v2.0",
                               MessageButtons::Ok, MessageIcon::None});
}

void ArchivesEditor_Click(Form1& form) {
    form.platform.editTextFile(WorkFolder{form.WorkFolder}.archive(), EditedFile::Archive);
}

void Tracks_Click(Form1& form) {
    form.platform.editTextFile(WorkFolder{form.WorkFolder}.trackList(), EditedFile::TrackList);
}

void TM_Click(Form1& form) {
    form.platform.openUrl(links::trackMaster);
}
void DRF_Click(Form1& form) {
    form.platform.openUrl(links::drfChangesAndScratches);
}
void TRC_Click(Form1& form) {
    form.platform.openUrl(links::resultsByState);
}
void PTR_Click(Form1& form) {
    form.platform.openUrl(links::revisions);
}

} // namespace tallowmere
