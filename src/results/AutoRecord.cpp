#include "results/AutoRecord.h"

#include "card/CardFileNames.h"
#include "card/CardSaving.h"
#include "card/DataRoot.h"
#include "card/WorkFolder.h"
#include "results/ChartCsv.h"
#include "results/ChartFiles.h"
#include "results/ResultsChart.h"
#include "results/ResultsCommands.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>

namespace tallowmere {
namespace {} // namespace

void refuseChart(Form1& form, const std::string& cardStem, const std::string& chartIdentity) {
    form.platform.beep();
    form.platform.showMessage({"Tallowmere TB",
                               "Active File and Results File do not match!  Record Results cannot "
                               "continue! Check TRC file for correct date and track.",
                               MessageButtons::Ok, MessageIcon::None});
    form.platform.showMessage({"Tallowmere TB", "Card: " + cardStem + "   Chart: " + chartIdentity,
                               MessageButtons::Ok, MessageIcon::None});
}

namespace {

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

std::filesystem::path chartCsvPath(const Form1& form) {
    return DataRoot{form.DataRoot}.resultsFolder() / chartCsvName(form.ActiveCardFile, false);
}

std::optional<std::filesystem::path> resultsFileToRead(const Form1& form) {
    return chosenResultsFile(
        resultsChartPath(form),
        findChartCsv(DataRoot{form.DataRoot}.resultsFolder(), form.ActiveCardFile));
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

} // namespace

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

void tellNoResultsChart(Form1& form) {
    form.platform.showMessage({"Tallowmere TB",
                               "No results chart for this card: \"" +
                                   resultsChartPath(form).string() + "\" or \"" +
                                   chartCsvPath(form).string() + "\"",
                               MessageButtons::Ok, MessageIcon::Exclamation});
}

void tellNotAChartCsv(Form1& form, const std::filesystem::path& path) {
    form.platform.showMessage({"Tallowmere TB",
                               "\"" + path.string() +
                                   "\" is not a chart in the vendor's comma-delimited layout: "
                                   "nothing was recorded.",
                               MessageButtons::Ok, MessageIcon::Exclamation});
}

namespace {

void tellUnreadLines(Form1& form, const std::filesystem::path& path, const CsvChartReading& csv) {
    if (csv.unreadLines == 0)
        return;
    form.platform.showMessage(
        {"Tallowmere TB",
         "\"" + path.string() + "\": " + std::to_string(csv.unreadLines) +
             " lines could not be read and were left out (the first is line " +
             std::to_string(csv.firstUnreadLine) + ").",
         MessageButtons::Ok, MessageIcon::Exclamation});
}

// The comma-delimited chart names its card itself; the track list is not read.
void recordFromChartCsv(Form1& form, const std::filesystem::path& path) {
    const auto content = text::readWholeFile(path);
    if (!content) {
        tellNoResultsChart(form);
        return;
    }
    const CsvChartReading csv = readCsvChart(*content, form.Card.RaceCount, form.CurrentRace);
    if (!csv.isChart) {
        tellNotAChartCsv(form, path);
        return;
    }
    const std::string stem = cardStem(form.ActiveCardFile);
    if (text::trimmedLeft(stem) != csv.identity) {
        refuseChart(form, stem, csv.identity);
        return;
    }
    recordChartValues(form.Records, csv.reading.values);
    form.CurrentRace = static_cast<std::int16_t>(csv.reading.lastRace);
    showRecordedResults(form);
    saveChangedRecordArrays(form);
    tellLeftOutPayoffs(form, csv.reading.leftOut);
    tellScratchedFinishers(form);
    tellUnreadLines(form, path, csv);
}

} // namespace

void EBET_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return; // no card, so no chart of it
    const auto chosen = resultsFileToRead(form);
    if (!chosen) {
        tellNoResultsChart(form);
        return;
    }
    const std::filesystem::path path = *chosen;
    if (tooLargeForAChart(form, path))
        return;
    if (isChartCsv(path)) {
        recordFromChartCsv(form, path);
        return;
    }
    const auto chart = text::readLines(path);
    if (!chart) {
        tellNoResultsChart(form);
        return;
    }
    const TrackFile tracks = TrackFile::read(WorkFolder{form.WorkFolder}.trackList());
    const ChartCheck check = checkChart(*chart, tracks, form.ActiveCardFile);
    if (check.outcome == ChartCheck::Outcome::Refused) {
        refuseChart(form, check.cardStem, check.chartIdentity);
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
