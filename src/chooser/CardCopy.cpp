#include "chooser/CardCopy.h"

#include "card/CardSwap.h"
#include "card/DataRoot.h"
#include "card/TableView.h"
#include "chooser/CardSource.h"
#include "text/Texts.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

namespace tallowmere::chooser {
namespace {

using Kind = CardProblem::Kind;
using std::filesystem::path;

bool isCardTableName(const std::string& name) {
    return std::any_of(std::begin(cardTableFiles), std::end(cardTableFiles),
                       [&](std::string_view table) { return text::sameIgnoringCase(name, table); });
}

std::vector<std::size_t> entriesNamed(const CardSource& source, std::string_view table) {
    std::vector<std::size_t> matches;
    for (std::size_t i = 0; i < source.entries().size(); ++i)
        if (text::sameIgnoringCase(source.entries()[i].name, table))
            matches.push_back(i);
    return matches;
}

std::string locationsOf(const CardSource& source, const std::vector<std::size_t>& matches) {
    std::string shown;
    for (const auto i : matches)
        shown += (shown.empty() ? "" : ", ") + source.entries()[i].location;
    return shown;
}

// For each table, the one entry of the source that holds it.
std::variant<std::vector<std::size_t>, CardProblem> findTables(const CardSource& source,
                                                               const path& where) {
    std::vector<std::size_t> found;
    for (const std::string_view name : cardTableFiles) {
        const std::string table(name);
        const auto matches = entriesNamed(source, table);
        if (matches.empty())
            return CardProblem{Kind::TableMissing, table,
                               "The table " + table + " is missing from " + where.string() + "."};
        if (matches.size() > 1)
            return CardProblem{Kind::TableTwice, table,
                               where.string() + " holds more than one " + table + " (" +
                                   locationsOf(source, matches) + "); it should hold one card."};
        found.push_back(matches.front());
    }
    return found;
}

// Copies every table into the staging folder and checks it there.
std::optional<CardProblem> stageTables(const CardSource& source,
                                       const std::vector<std::size_t>& found, const path& staging) {
    for (std::size_t t = 0; t < found.size(); ++t) {
        const std::string table(cardTableFiles[t]);
        const std::string& location = source.entries()[found[t]].location;
        if (const auto failure = source.copyOut(found[t], staging / table)) {
            if (failure->tooLarge)
                return CardProblem{Kind::TableTooLarge, table,
                                   "The table " + table +
                                       " is larger than 64 MB: it is not a race card table."};
            return CardProblem{Kind::CopyFailed, table,
                               "The table " + location +
                                   " could not be copied: " + failure->reason + "."};
        }
        if (const auto damage = tableDamage(staging / table))
            return CardProblem{Kind::TableDamaged, table,
                               "The table " + location + " is damaged: " + *damage + "."};
    }
    return std::nullopt;
}

// The previous card's tables in `folder`, whatever the case of their names.
std::vector<path> previousTables(const path& folder) {
    std::vector<path> tables;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code unknown;
        if (isCardTableName(it->path().filename().string()) && !it->is_directory(unknown))
            tables.push_back(it->path());
    }
    return tables;
}

// Moves the previous card's tables into the staging folder and the staged ones
// into `folder`, under a journal; after a failure every move is taken back.
std::optional<std::string> swapIn(const path& folder, const std::function<void()>& beforeRename) {
    CardSwap swap;
    for (const auto& table : previousTables(folder))
        swap.previousTables.push_back(table.filename().string());
    for (const std::string_view table : cardTableFiles)
        swap.newTables.emplace_back(table);
    return swapCardTables(folder, swap, beforeRename);
}

CardProblem notCopied(const path& folder, const std::string& reason) {
    return {Kind::CopyFailed, "",
            "The card could not be copied into " + folder.string() + ": " + reason + "."};
}

std::optional<CardProblem> stageAndSwap(const path& folder, const path& staging,
                                        const CardSource& source,
                                        const std::vector<std::size_t>& found,
                                        const std::function<void()>& beforeRename) {
    std::error_code error;
    std::filesystem::create_directories(staging, error);
    if (error)
        return notCopied(folder, error.message());
    if (auto problem = stageTables(source, found, staging))
        return problem;
    if (const auto reason = swapIn(folder, beforeRename))
        return notCopied(folder, *reason);
    return std::nullopt;
}

std::optional<CardProblem> copyInto(const path& folder, const CardSource& source,
                                    const std::vector<std::size_t>& found,
                                    const std::function<void()>& beforeRename) {
    // A run cut short is finished or undone first; while it cannot be, nothing
    // else is done to the folder.
    if (!repairUnfinishedSwap(folder))
        return notCopied(folder, "an earlier copy that was cut short could not be finished or "
                                 "undone");
    auto problem = stageAndSwap(folder, stagingFolder(folder), source, found, beforeRename);
    (void)repairUnfinishedSwap(folder); // the previous card's tables go once the card is whole
    return problem;
}

} // namespace

std::optional<CardProblem> copyCardIn(const path& dataRoot, const path& source,
                                      const std::function<void()>& beforeRename) {
    const OpenedSource opened = openCardSource(source);
    if (const auto* problem = std::get_if<CardProblem>(&opened))
        return *problem;
    const CardSource& cards = *std::get<std::unique_ptr<CardSource>>(opened);
    const auto found = findTables(cards, source);
    if (const auto* problem = std::get_if<CardProblem>(&found))
        return *problem;
    return copyInto(DataRoot{dataRoot}.trackMasterFolder(), cards,
                    std::get<std::vector<std::size_t>>(found), beforeRename);
}

} // namespace tallowmere::chooser
