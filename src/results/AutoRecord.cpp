#include "results/AutoRecord.h"

#include "card/CardFileNames.h"
#include "card/CardSaving.h"
#include "card/DataRoot.h"
#include "card/WorkFolder.h"
#include "results/ResultsChart.h"
#include "results/ResultsCommands.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>

namespace tallowmere {
namespace {

void refuseChart(Form1& form, const ChartCheck& check) {
    form.platform.beep();
    form.platform.showMessage({"Tallowmere TB",
                               "Active File and Results File do not match!  Record Results cannot "
                               "continue! Check TRC file for correct date and track.",
                               MessageButtons::Ok, MessageIcon::None});
    form.platform.showMessage({"Tallowmere TB",
                               "Card: " + check.cardStem + "   Chart: " + check.chartIdentity,
                               MessageButtons::Ok, MessageIcon::None});
}

const char* placeName(int place) {
    static const char* const names[] = {"1st", "2nd", "3rd", "4th"};
    return names[place - 1];
}

// One message of the lines, a line each; none without lines.
void tellLines(Form1& form, const std::vector<std::string>& lines, bool notice) {
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    if (!text.empty())
        form.platform.showMessage(
            {"Tallowmere TB", text, MessageButtons::Ok, MessageIcon::Exclamation, 1, notice});
}

// What the chart held that is no payoff to record was left out: the user is
// told each line.
void tellLeftOutPayoffs(Form1& form, const std::vector<LeftOutPayoff>& leftOut) {
    std::vector<std::string> lines;
    for (const auto& [race, line] : leftOut)
        lines.push_back("Race " + std::to_string(race) + ": \"" + line +
                        "\" holds no payoff Tallowmere TB can record; it was left out.");
    tellLines(form, lines, false);
}

// The picks were judged without a horse that ran after all: the user is told.
void tellScratchedFinishers(Form1& form) {
    tellLines(form, scratchedFinisherLines(form.Card, form.Scratched, form.Records.CardPicks),
              true);
}

} // namespace

std::filesystem::path resultsChartPath(const Form1& form) {
    return DataRoot{form.DataRoot}.resultsFolder() /
           cardFileWithExtension(form.ActiveCardFile, "pmr");
}

void showRecordedResults(Form1& form) {
    const auto shown = form.shownRace();
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

std::vector<std::string> scratchedFinisherLines(const CardStore& store,
                                                const ScratchedEntries& scratched,
                                                const CardPicksArray& picks) {
    std::vector<std::string> lines;
    for (int race = 1; race <= std::min<int>(store.RaceCount, 20); ++race) {
        const auto first = store.RaceFirstEntry.at(race);
        const auto last = lastEntryOfRace(store, race);
        for (int place = 1; first && last && place <= 4; ++place) {
            const std::string finisher = text::trimmed(picks.valueAt(race, 4 + place));
            for (int entry = *first; !finisher.empty() && entry <= *last; ++entry) {
                const std::string program = text::trimmed(store.EntryProgram.valueAt(entry));
                if (program == finisher && scratched.contains(entry))
                    lines.push_back("Race " + std::to_string(race) + ": " + program + " " +
                                    store.EntryName.valueAt(entry) + ", scratched here, finished " +
                                    placeName(place) + ".");
            }
        }
    }
    return lines;
}

namespace {

// No results chart comes near this; a larger file is not read at all.
constexpr std::uintmax_t largestChartBytes = 64u << 20;

bool tooLargeForAChart(Form1& form, const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) <= largestChartBytes || error)
        return false;
    form.platform.showMessage({"Tallowmere TB",
                               "\"" + path.string() +
                                   "\" is larger than 64 MB: it is not a results chart. Nothing "
                                   "was recorded.",
                               MessageButtons::Ok, MessageIcon::Exclamation});
    return true;
}

} // namespace

void tellNoResultsChart(Form1& form, const std::filesystem::path& chart) {
    form.platform.showMessage({"Tallowmere TB",
                               "No results chart for this card: \"" + chart.string() + "\"",
                               MessageButtons::Ok, MessageIcon::Exclamation});
}

void EBET_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return; // no card, so no chart of it
    const std::filesystem::path path = resultsChartPath(form);
    if (tooLargeForAChart(form, path))
        return;
    const auto chart = text::readLines(path);
    if (!chart) {
        tellNoResultsChart(form, path);
        return;
    }
    const TrackFile tracks = TrackFile::read(WorkFolder{form.WorkFolder}.trackList());
    const ChartCheck check = checkChart(*chart, tracks, form.ActiveCardFile);
    if (check.outcome == ChartCheck::Outcome::Refused) {
        refuseChart(form, check);
        return;
    }
    // A chart whose check failed is not read; only the display step follows.
    const bool read = check.outcome == ChartCheck::Outcome::Passes;
    ChartReading reading;
    if (read) {
        reading = readChart(*chart, form.CurrentRace);
        recordChartValues(form.Records, reading.values);
        form.CurrentRace = static_cast<std::int16_t>(reading.lastRace);
    }
    showRecordedResults(form);
    saveChangedRecordArrays(form);
    tellLeftOutPayoffs(form, reading.leftOut);
    if (read)
        tellScratchedFinishers(form);
}

} // namespace tallowmere
