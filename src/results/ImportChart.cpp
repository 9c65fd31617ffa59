#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/WorkFolder.h"
#include "results/AutoRecord.h"
#include "results/ChartCsv.h"
#include "results/ChartFiles.h"
#include "results/ResultsChart.h"
#include "results/ResultsCommands.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

namespace fs = std::filesystem;

void tell(Form1& form, const std::string& text) {
    form.platform.showMessage(
        {"Tallowmere TB", text, MessageButtons::Ok, MessageIcon::Exclamation});
}

// The name the chart takes in Results, once it is known to be the card's.
std::optional<std::string> chartNameInResults(Form1& form, const fs::path& file,
                                              const std::string& content) {
    const std::string stem = cardStem(form.ActiveCardFile);
    if (isChartCsv(file)) {
        const CsvChartReading csv = readCsvChart(content, form.Card.RaceCount, form.CurrentRace);
        if (!csv.isChart) {
            tellNotAChartCsv(form, file);
            return std::nullopt;
        }
        if (text::trimmedLeft(stem) != csv.identity) {
            refuseChart(form, stem, csv.identity);
            return std::nullopt;
        }
        return chartCsvName(form.ActiveCardFile, csv.evening);
    }
    const TrackFile tracks = TrackFile::read(WorkFolder{form.WorkFolder}.trackList());
    const ChartCheck check = checkChart(text::splitLines(content), tracks, form.ActiveCardFile);
    if (check.outcome == ChartCheck::Outcome::Refused) {
        refuseChart(form, check.cardStem, check.chartIdentity);
        return std::nullopt;
    }
    if (check.outcome == ChartCheck::Outcome::Failed) { // Auto Record would read nothing of it
        tell(form, "\"" + file.string() +
                       "\" is not a results chart Tallowmere TB can read: nothing was imported.");
        return std::nullopt;
    }
    return cardFileWithExtension(form.ActiveCardFile, "pmr");
}

// A different file already under the name, or one that cannot be read to
// tell, is replaced only when the user says so.
bool mayReplace(Form1& form, const fs::path& target, const std::string& content) {
    std::error_code error;
    if (fs::symlink_status(target, error).type() == fs::file_type::not_found)
        return true;
    if (text::readWholeFile(target) == content)
        return true;
    return form.platform.showMessage(
               {"Tallowmere TB",
                "Replace the results chart \"" + target.filename().string() + "\" in Results?",
                MessageButtons::YesNo, MessageIcon::Question, 2}) == MessageAnswer::Yes;
}

} // namespace

bool ImportChart_Click(Form1& form, const fs::path& file) {
    if (form.ActiveCardFile.empty()) {
        tell(form, "No race card is active: nothing was imported.");
        return true;
    }
    if (tooLargeForAChart(form, file))
        return true;
    const auto content = text::readWholeFile(file);
    if (!content) {
        tell(form, "\"" + file.string() + "\" could not be read: nothing was imported.");
        return true;
    }
    const auto name = chartNameInResults(form, file, *content);
    if (!name)
        return true;
    const fs::path folder = DataRoot{form.DataRoot}.resultsFolder();
    const fs::path target = folder / *name;
    if (!mayReplace(form, target, *content))
        return true;
    std::error_code error;
    fs::create_directories(folder, error);
    // The chart there stays whole unless the new one is written whole.
    if (text::replaceFile(target, *content)) {
        tell(form, "\"" + target.string() + "\" could not be written: nothing was imported.");
        return false;
    }
    EBET_Click(form);
    return true;
}

} // namespace tallowmere
