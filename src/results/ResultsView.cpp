#include "results/AutoRecord.h"
#include "results/ResultsCommands.h"

#include <filesystem>

namespace tallowmere {

// The chart Auto Record would read is opened in the editor, where the user can mend what the check
// refused; one that is not there yet is only named.
void Results_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return; // no card, so no chart of it
    const auto chart = resultsFileToRead(form);
    if (!chart)
        tellNoResultsChart(form);
    else
        form.platform.editTextFile(*chart, EditedFile::ResultsChart);
}

} // namespace tallowmere
