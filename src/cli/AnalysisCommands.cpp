#include "cli/AnalysisCommands.h"

#include "analysis/CsvText.h"
#include "analysis/CurvesSvg.h"
#include "analysis/Replay.h"
#include "analysis/RoiConfidence.h"
#include "analysis/StatsText.h"
#include "card/WorkFolder.h"
#include "reports/ProfileSelection.h"
#include "results/Archive.h"
#include "text/TextFiles.h"

namespace tallowmere::cli {
namespace {

using namespace analysis;

void tellFailure(Form1& form, const std::string& problem) {
    form.platform.showMessage(
        {"Tallowmere TB", problem, MessageButtons::Ok, MessageIcon::Critical});
}

// Whether the file was written; a failure is told.
bool writeOrTell(Form1& form, const std::string& file, const std::string& bytes) {
    if (text::isNotRegularFile(file)) {
        tellFailure(form, text::notRegularFileText(file));
        return false;
    }
    const auto problem = text::replaceFile(file, bytes);
    if (problem)
        tellFailure(form, "Cannot write " + file + ": " + *problem);
    return !problem;
}

std::vector<CardFigures> profileCards(const Form1& form, const std::string& selector) {
    const auto archive = text::readLines(WorkFolder{form.WorkFolder}.archive());
    const auto lines = selectArchiveLines(upperCase(selector), archive,
                                          TrackFile::read(WorkFolder{form.WorkFolder}.trackList()));
    return lines ? cardsInDateOrder(*lines) : std::vector<CardFigures>{};
}

void printRow(const std::vector<std::string>& cells, std::ostream& out) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        out << (i ? "\t" : "") << cells[i];
    out << "\n";
}

// Whether every line went into the archive; a failure is told.
bool appendToArchive(Form1& form, const std::vector<ReplayOutcome>& outcomes) {
    const auto archive = WorkFolder{form.WorkFolder}.archive();
    const auto held = text::readLines(archive).value_or(std::vector<std::string>{});
    for (const auto& line : linesNotArchived(outcomes, held))
        if (const auto problem = appendArchiveLine(archive, line);
            problem && *problem != alreadyArchivedText) { // another program archived it meanwhile
            tellFailure(form, *problem);
            return false;
        }
    return true;
}

} // namespace

bool replayCards(Form1& form, const Args& args, std::ostream& out) {
    const auto trackEditorIni = WorkFolder{form.WorkFolder}.trackList();
    if (const auto missing = missingTrackList(trackEditorIni)) {
        form.platform.showMessage(
            {"Tallowmere TB", *missing, MessageButtons::Ok, MessageIcon::Exclamation, 1, true});
        return false;
    }
    const auto outcomes = replaySeason(args[0], trackEditorIni);
    for (const auto& outcome : outcomes)
        out << replayReport(outcome) << "\n";
    return args.size() < 2 || appendToArchive(form, outcomes);
}

bool writeProfileChart(Form1& form, const Args& args, std::ostream&) {
    return writeOrTell(form, args[1], curvesSvg(profitCurves(profileCards(form, args[0]))));
}

bool printProfileStats(Form1& form, const Args& args, std::ostream& out) {
    const auto figures = roiConfidence(profileCards(form, args[0]));
    printRow(statsHeader(), out);
    for (int type = 0; type < stakedTypeCount; ++type)
        printRow(statsRow(type, figures[static_cast<std::size_t>(type)]), out);
    return true;
}

Refusal exportRefusal(const Form1& form, const Args& args) {
    const bool profile = args[0] == "profile";
    if ((profile ? form.MSFlexGrid3 : form.MSFlexGrid2).visible)
        return std::nullopt;
    return std::string(profile ? "MSFlexGrid3" : "MSFlexGrid2") + " is hidden";
}

bool exportGrid(Form1& form, const Args& args, std::ostream&) {
    const Grid& grid = args[0] == "profile" ? form.MSFlexGrid3 : form.MSFlexGrid2;
    return writeOrTell(form, args[1], csvText(gridRows(grid)));
}

} // namespace tallowmere::cli
