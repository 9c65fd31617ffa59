#include "results/AutoRecord.h"
#include "results/ResultsCommands.h"

namespace tallowmere {

void Results_Click(Form1& form) {
    // Every file is closed as soon as it has been read or written: none is open here.
    form.platform.showTextFile(resultsChartPath(form));
}

} // namespace tallowmere
