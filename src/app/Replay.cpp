#include "app/Replay.h"

#include "app/AppCommands.h"
#include "app/ControlRefusals.h"
#include "app/FolderOptions.h"
#include "app/ReplayPlatform.h"
#include "card/CardTables.h"
#include "card/DataRoot.h"
#include "card/TableView.h"
#include "card/WorkFolder.h"
#include "rating/HandicappingRun.h"
#include "rating/TrackParameters.h"
#include "reports/SelectionAndResults.h"
#include "results/Archive.h"
#include "results/AutoRecord.h"
#include "results/ChartFiles.h"
#include "results/ResultsCommands.h"
#include "text/TempFolder.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <set>

namespace tallowmere {
namespace {

namespace fs = std::filesystem;

bool hasExtension(const fs::path& file, std::string_view extension) {
    std::string found = file.extension().string();
    std::transform(found.begin(), found.end(), found.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return found == extension;
}

// The regular files of the folder with that extension, in name order. An
// entry that cannot be looked at (a link loop) is none of them.
std::vector<fs::path> filesWithExtension(const fs::path& folder, std::string_view extension,
                                         std::error_code& error) {
    std::vector<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code unknown;
        if (it->is_regular_file(unknown) && hasExtension(it->path(), extension))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<fs::path> filesWithExtension(const fs::path& folder, std::string_view extension) {
    std::error_code ignored; // the folder was read a moment before
    return filesWithExtension(folder, extension, ignored);
}

// The reason a step stops the card, or nothing.
std::optional<std::string> stepProblem(const ReplayPlatform& platform, const Refusal& refusal,
                                       const std::string& step) {
    if (refusal)
        return step + " refused: " + *refusal;
    if (!platform.messages().empty())
        return step + ": " + platform.messages().front();
    return std::nullopt;
}

// A card whose tables the card chooser would not take in (a table missing or
// there twice, a cut table, a file that is not a table) is not worked: it
// could archive a card of zeros.
std::optional<std::string> tableProblem(const SeasonCard& card) {
    const auto files = filesWithExtension(card.folder, ".dbf");
    for (const std::string_view name : cardTableFiles) {
        const std::string table(name);
        std::vector<fs::path> found;
        std::copy_if(files.begin(), files.end(), std::back_inserter(found), [&](const auto& file) {
            return text::sameIgnoringCase(file.filename().string(), table);
        });
        if (found.empty())
            return "The table " + table + " is missing.";
        if (found.size() > 1)
            return "The folder holds more than one " + table + "; it should hold one card.";
        if (const auto damage = tableDamage(found.front()))
            return "The table " + found.front().filename().string() + " is damaged: " + *damage +
                   ".";
    }
    return std::nullopt;
}

std::optional<std::string> copyCard(const SeasonCard& card, const fs::path& trackEditorIni,
                                    const fs::path& root) {
    std::error_code error;
    const DataRoot folders{root};
    fs::create_directories(folders.trackMasterFolder(), error);
    for (const auto& table : filesWithExtension(card.folder, ".dbf"))
        fs::copy_file(table, folders.trackMasterFolder() / table.filename(), error);
    fs::copy_file(trackEditorIni, WorkFolder{root}.trackList(), error);
    return error ? std::optional<std::string>("cannot copy the card: " + error.message())
                 : std::nullopt;
}

std::optional<std::string> startCard(Form1& form, const ReplayPlatform& platform,
                                     const fs::path& chart) {
    const Refusal refusal = startRefusal(form);
    if (!refusal)
        Command1_Click(form);
    if (auto problem = stepProblem(platform, refusal, "Start"))
        return problem;
    std::error_code error;
    fs::copy_file(chart, isChartCsv(chart) ? chartCsvPath(form) : resultsChartPath(form), error);
    return error ? std::optional<std::string>("cannot copy the results chart") : std::nullopt;
}

std::optional<std::string> recordCard(Form1& form, const ReplayPlatform& platform) {
    Refusal refusal = needsMenuItem(form, &Menus::EBET);
    if (!refusal)
        EBET_Click(form);
    if (auto problem = stepProblem(platform, refusal, "Auto Record"))
        return problem;
    refusal = needsMenuItem(form, &Menus::SelectionAndResults);
    if (!refusal)
        SelectionAndResults_Click(form);
    if (auto problem = stepProblem(platform, refusal, "Summary"))
        return problem;
    refusal = recordRefusal(form);
    if (!refusal)
        Command4_Click(form);
    return stepProblem(platform, refusal, "Record");
}

// The card's text chart or chart file (the first by name of each), the one
// changed last when the folder holds both.
std::optional<fs::path> replayChart(const fs::path& folder, std::error_code& error) {
    const auto texts = filesWithExtension(folder, ".pmr", error);
    auto csvs = filesWithExtension(folder, ".csv", error);
    std::erase_if(csvs, [](const fs::path& csv) { // a chart file's name ends in "tch.csv"
        return !text::sameIgnoringCase(text::lastChars(csv.filename().string(), 7), "tch.csv");
    });
    if (texts.empty())
        return csvs.empty() ? std::nullopt : std::optional(csvs.front());
    return chosenResultsFile(texts.front(),
                             csvs.empty() ? std::nullopt : std::optional(csvs.front()));
}

ReplayOutcome skipped(const SeasonCard& card, std::string reason) {
    return {card.subfolder, std::nullopt, std::move(reason)};
}

} // namespace

std::vector<SeasonCard> seasonCards(const fs::path& folder) {
    std::vector<SeasonCard> cards;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path entry = it->path();
        std::error_code unreadable;
        const bool isFolder = it->is_directory(unreadable);
        if (unreadable) {
            cards.push_back({entry.filename().string(), entry, "", unreadable.message()});
            continue;
        }
        if (!isFolder)
            continue;
        TableView races = TableView::open(entry, "RACEDR");
        races.moveFirst();
        cards.push_back({entry.filename().string(), entry, races.field("RACE_DATE"), ""});
    }
    std::sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) {
        return std::tie(a.raceDate, a.subfolder) < std::tie(b.raceDate, b.subfolder);
    });
    return cards;
}

ReplayOutcome replayCard(const SeasonCard& card, const fs::path& trackEditorIni,
                         const fs::path& scratchRoot) {
    if (!card.unreadable.empty())
        return skipped(card, "cannot be read: " + card.unreadable);
    std::error_code error;
    const auto chart = replayChart(card.folder, error);
    if (error)
        return skipped(card, "cannot be read: " + error.message());
    if (!chart)
        return skipped(card, "no results chart");
    if (auto problem = tableProblem(card))
        return skipped(card, *problem);
    if (auto problem = copyCard(card, trackEditorIni, scratchRoot))
        return skipped(card, *problem);
    ReplayPlatform platform;
    Form1 form(platform);
    setFolders(form, FolderOptions{scratchRoot, std::nullopt}, scratchRoot);
    Form_Load(form);
    if (auto problem = startCard(form, platform, *chart))
        return skipped(card, *problem);
    if (auto problem = recordCard(form, platform))
        return skipped(card, *problem);
    const auto archive = text::readLines(WorkFolder{scratchRoot}.archive());
    if (!archive || archive->empty())
        return skipped(card, "Record wrote no archive line");
    return {card.subfolder, archive->back(), {}};
}

std::optional<std::string> missingTrackList(const fs::path& trackEditorIni) {
    if (text::readWholeFile(trackEditorIni))
        return std::nullopt;
    return missingTrackListNotice(trackEditorIni);
}

std::vector<ReplayOutcome> replaySeason(const fs::path& folder, const fs::path& trackEditorIni,
                                        const ReplayProgress& progress) {
    if (missingTrackList(trackEditorIni))
        return {};
    const auto cards = seasonCards(folder);
    std::vector<ReplayOutcome> outcomes;
    for (const auto& card : cards) {
        text::TempFolder scratch("tallowmere-replay");
        outcomes.push_back(scratch.path().empty()
                               ? skipped(card, "cannot make a scratch data root")
                               : replayCard(card, trackEditorIni, scratch.path()));
        if (progress && !progress(outcomes.size(), cards.size()))
            break;
    }
    return outcomes;
}

std::string replayReport(const ReplayOutcome& outcome) {
    if (outcome.archiveLine)
        return *outcome.archiveLine;
    // A line end in a folder's name would split its line in two.
    std::string subfolder;
    for (const char c : outcome.subfolder)
        subfolder += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
    return "SKIPPED " + subfolder + ": " + outcome.skipReason;
}

std::vector<std::string> linesNotArchived(const std::vector<ReplayOutcome>& outcomes,
                                          const std::vector<std::string>& archive) {
    std::set<std::string> archived;
    for (const auto& line : archive)
        archived.insert(line.substr(0, 14));
    std::vector<std::string> lines;
    for (const auto& outcome : outcomes)
        if (outcome.archiveLine && archived.insert(outcome.archiveLine->substr(0, 14)).second)
            lines.push_back(*outcome.archiveLine);
    return lines;
}

} // namespace tallowmere
