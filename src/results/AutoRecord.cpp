#include "results/AutoRecord.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "results/ResultsChart.h"
#include "results/ResultsCommands.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

void refuseChart(Form1& form, const ChartCheck& check) {
    form.platform.beep();
    form.platform.showMessage({"Tallowmere TB",
                               "Active File and Results File do not match!  Record Results cannot "
                               "continue! Check TRC file for correct date and track.",
                               MessageButtons::Ok, MessageIcon::None});
    form.platform.showMessage({"Tallowmere TB", check.cardStem + check.chartIdentity,
                               MessageButtons::Ok, MessageIcon::None});
}

} // namespace

std::filesystem::path resultsChartPath(const Form1& form) {
    return DataRoot{form.DataRoot}.resultsFolder() /
           cardFileWithExtension(form.ActiveCardFile, "pmr");
}

void showRecordedResults(Form1& form) {
    const auto shown = text::strictWhole(form.Label8.caption);
    if (!shown)
        return;
    const int race = *shown;
    for (int column = 5; column <= 8; ++column)
        form.setText39(column, form.Records.CardPicks.valueAt(race, column));
    for (int column = 1; column <= 9; ++column) {
        std::string payoff = text::trimmed(form.Records.CardPayoffs.valueAt(race, column));
        form.Records.CardPayoffs.set(race, column, payoff);
        form.Text57.find(column)->text = std::move(payoff);
    }
}

void EBET_Click(Form1& form) {
    // A chart that cannot be read ends the reading at once: only the display
    // step follows.
    if (const auto chart = text::readLines(resultsChartPath(form))) {
        const TrackFile tracks = TrackFile::read(form.WorkFolder / "TrackEditor.ini");
        const ChartCheck check = checkChart(*chart, tracks, form.ActiveCardFile);
        if (check.outcome == ChartCheck::Outcome::Refused) {
            refuseChart(form, check);
            return;
        }
        if (check.outcome == ChartCheck::Outcome::Passes) {
            const ChartReading reading = readChart(*chart, form.CurrentRace);
            recordChartValues(form.Records, reading.values);
            form.CurrentRace = static_cast<std::int16_t>(reading.lastRace);
        }
    }
    showRecordedResults(form);
}

} // namespace tallowmere
