#include "app/AnalysisCommands.h"

#include "analysis/CsvText.h"
#include "analysis/CurveStyle.h"
#include "analysis/CurvesSvg.h"
#include "analysis/ExportTables.h"
#include "analysis/RoiConfidence.h"
#include "analysis/StatsText.h"
#include "reports/ProfileSelection.h"
#include "results/Archive.h"
#include "text/TextFiles.h"
#include "text/Texts.h"
#include "text/Windows1252.h"

#include <algorithm>

namespace tallowmere {
namespace {

using namespace analysis;

void tellFailure(Form1& form, const std::string& problem) {
    form.platform.showMessage(
        {"Tallowmere TB", problem, MessageButtons::Ok, MessageIcon::Critical});
}

// Whether the file was written; a failure is told.
bool writeOrTell(Form1& form, const std::string& file, const std::string& bytes) {
    const auto problem = writeProblem(file, bytes);
    if (problem)
        tellFailure(form, *problem);
    return !problem;
}

std::vector<CardFigures> profileCards(const Form1& form, const std::string& selector) {
    const WorkFolder folder{form.WorkFolder};
    const auto archive = text::readLines(folder.archive()); // the selected lines point into it
    const auto lines =
        selectArchiveLines(upperCase(selector), archive, TrackFile::read(folder.trackList()));
    return lines ? cardsInDateOrder(*lines) : std::vector<CardFigures>{};
}

void printRow(const std::vector<std::string>& cells, std::ostream& out) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        out << (i ? "\t" : "") << cells[i];
    out << "\n";
}

// The profile's title in a file name: "profile All Tracks", "profile CT",
// "profile size 1/2".
std::string profileName(const std::string& selector) {
    std::string title = profileTitle(selector);
    if (title.starts_with("Size "))
        title.front() = 's';
    return "profile " + title;
}

} // namespace

std::optional<std::string> writeProblem(const std::filesystem::path& file,
                                        const std::string& bytes) {
    if (text::isNotRegularFile(file))
        return text::notRegularFileText(file);
    if (const auto problem = text::replaceFile(file, bytes))
        return "Cannot write " + file.string() + ": " + *problem;
    return std::nullopt;
}

bool trackListForReplay(Form1& form) {
    const auto missing = missingTrackList(WorkFolder{form.WorkFolder}.trackList());
    if (missing)
        form.platform.showMessage(
            {"Tallowmere TB", *missing, MessageButtons::Ok, MessageIcon::Exclamation, 1, true});
    return !missing;
}

ArchivedReplay archiveReplayedCards(const WorkFolder& folder,
                                    const std::vector<ReplayOutcome>& outcomes) {
    const auto archive = folder.archive();
    const auto held = text::readLines(archive).value_or(std::vector<std::string>{});
    ArchivedReplay archived;
    for (const auto& line : linesNotArchived(outcomes, held)) {
        const auto problem = appendArchiveLine(archive, line);
        if (problem && *problem != alreadyArchivedText) { // another program archived it meanwhile
            archived.problem = problem;
            break;
        }
        ++archived.added;
    }
    return archived;
}

bool replayCards(Form1& form, const CommandArgs& args, std::ostream& out) {
    if (!trackListForReplay(form))
        return false;
    const auto outcomes = replaySeason(args[0], WorkFolder{form.WorkFolder}.trackList());
    for (const auto& outcome : outcomes)
        out << replayReport(outcome) << "\n";
    if (args.size() < 2)
        return true;
    const auto archived = archiveReplayedCards(WorkFolder{form.WorkFolder}, outcomes);
    if (archived.problem)
        tellFailure(form, *archived.problem);
    return !archived.problem;
}

bool writeProfileChart(Form1& form, const CommandArgs& args, std::ostream&) {
    const auto cards = profileCards(form, args[0]);
    const auto title = curvesTitle(profileTitle(upperCase(args[0])), cards.size());
    return writeOrTell(form, args[1], curvesSvg(profitCurves(cards), title));
}

bool printProfileStats(Form1& form, const CommandArgs& args, std::ostream& out) {
    const auto figures = roiConfidence(profileCards(form, args[0]));
    printRow(statsHeader(), out);
    for (int type = 0; type < stakedTypeCount; ++type)
        printRow(statsRow(type, figures[static_cast<std::size_t>(type)]), out);
    return true;
}

Refusal exportRefusal(const Form1& form, const CommandArgs& args) {
    const bool profile = args[0] == "profile";
    if ((profile ? form.MSFlexGrid3 : form.MSFlexGrid2).visible)
        return std::nullopt;
    return std::string(profile ? "MSFlexGrid3" : "MSFlexGrid2") + " is hidden";
}

std::optional<std::string> exportableGridName(const Form1& form) {
    if (form.MSFlexGrid3.visible)
        return "profile";
    if (form.MSFlexGrid2.visible)
        return "summary";
    return std::nullopt;
}

std::string suggestedExportName(const Form1& form) {
    std::string name;
    if (exportableGridName(form) == "profile") {
        name = profileName(form.ShownProfile.selector);
    } else {
        const std::string_view file = form.ActiveCardFile;
        const auto card = text::trimmed(file.substr(0, file.rfind('.')));
        name = card.empty() ? "summary" : card + " summary";
    }
    // A name any file system takes: "1/2" gives "1-2".
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos; },
        '-');
    return text::utf8FromWindows1252(name) + ".csv";
}

bool exportGrid(Form1& form, const CommandArgs& args, std::ostream&) {
    const bool profile = args[0] == "profile";
    const auto table = profile
                           ? profileTable(form.MSFlexGrid3, form.ShownProfile.cards.size())
                           : summaryTable(form.MSFlexGrid2,
                                          form.ShownSummary ? form.ShownSummary->races.size() : 0);
    return writeOrTell(form, args[1], csvText(table));
}

} // namespace tallowmere
