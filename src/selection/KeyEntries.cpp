#include "selection/KeyEntries.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"

namespace tallowmere {

void Pick3_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return;
    form.KeySelectionsFile = cardFileWithExtension(form.ActiveCardFile, "pms2");
    form.platform.showTextFile(DataRoot{form.DataRoot}.keySelectionsFolder() /
                               form.KeySelectionsFile);
}

} // namespace tallowmere
