#include "results/Archive.h"

#include "card/CardFileNames.h"
#include "card/UnusableFiles.h"
#include "card/WorkFolder.h"
#include "text/FileLock.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>
#include <cmath>

namespace tallowmere {
namespace {

std::string cellOf(const std::vector<std::string>& row, int column) {
    return column < static_cast<int>(row.size()) ? row[column] : std::string{};
}

} // namespace

std::int16_t counterOf(std::string_view cell) {
    const auto value = text::strictNumber(cell);
    if (!value || std::trunc(*value) != *value)
        return 0;
    return text::wholeNumber(*value).value_or(0);
}

std::string archiveLine(std::string_view stem, int raceCount,
                        const std::vector<std::string>& totalsRow) {
    std::string line = std::string(stem) + text::rightAligned(std::to_string(raceCount), 3);
    for (int column = 1; column <= 4; ++column)
        line += text::rightAligned(std::to_string(counterOf(cellOf(totalsRow, column))), 5);
    for (int column : {11, 12, 13, 15, 16, 17, 18, 19, 22, 23, 24})
        line += text::rightAligned(cellOf(totalsRow, column), 9);
    for (int column : {26, 27, 28})
        line += text::rightAligned(cellOf(totalsRow, column), 10);
    return line;
}

namespace {

// Why nothing may be appended to an archive that reading gave, or nothing.
std::optional<std::string> refusalOf(const std::filesystem::path& archive,
                                     const text::FileRead& read) {
    if (read.status == text::FileRead::Status::NotRegular)
        return text::notRegularFileText(archive);
    if (read.status == text::FileRead::Status::Failed)
        return archiveUnreadableText(archive, read.reason) + " Nothing was recorded.";
    return std::nullopt;
}

} // namespace

std::optional<std::string> archiveRefusal(const std::filesystem::path& archive) {
    return refusalOf(archive, text::readFileChecked(archive));
}

std::optional<std::string> appendArchiveLine(const std::filesystem::path& archive,
                                             std::string_view line) {
    // Two programs sharing a working folder could both find the card not yet
    // archived and both append it: the archive is read again under a lock.
    const auto lock = text::FileLock::take(archive.string() + ".lock", std::chrono::seconds(10));
    if (!lock)
        return "The archive could not be written to " + archive.string() + ": " +
               archive.filename().string() + ".lock is held by another program";
    const text::FileRead read = text::readFileChecked(archive);
    if (auto refusal = refusalOf(archive, read))
        return refusal;
    const std::string& held = read.content; // empty when there is no archive yet
    const std::string card = text::firstChars(line, 14);
    if (std::ranges::any_of(text::lineViews(held), [&](std::string_view archived) {
            return text::firstChars(archived, 14) == card;
        }))
        return std::string(alreadyArchivedText);
    const bool endsOpen = !held.empty() && held.back() != '\n' && held.back() != '\r';
    if (const auto reason =
            text::appendToFile(archive, (endsOpen ? "\r\n" : "") + std::string(line) + "\r\n"))
        return "The archive could not be written to " + archive.string() + ": " + *reason;
    return std::nullopt;
}

int racesWithResults(const CardPicksArray& picks, int raceCount) {
    int races = 0;
    for (int race = 1; race <= std::min(raceCount, 20); ++race)
        if (!text::trimmed(picks.valueAt(race, 5)).empty())
            ++races;
    return races;
}

namespace {

void tell(Form1& form, const std::string& text) {
    form.platform.showMessage(
        {"Tallowmere TB", text, MessageButtons::Ok, MessageIcon::Information});
}

// Whether the card may be archived: a card without any result would count in
// every later profile as a card on which every bet lost.
bool cardReadyToRecord(Form1& form) {
    if (form.ActiveCardFile.empty()) {
        tell(form, "No race card is active: nothing was recorded.");
        return false;
    }
    const int races = std::min<int>(form.Card.RaceCount, 20);
    const int withResults = racesWithResults(form.Records.CardPicks, form.Card.RaceCount);
    if (withResults == 0) {
        tell(form, "No race of this card has results yet: nothing was recorded.");
        return false;
    }
    if (withResults == races)
        return true;
    const Message question{"Record",
                           std::to_string(races - withResults) + " of " + std::to_string(races) +
                               " races have no results. Record the card anyway?",
                           MessageButtons::YesNo, MessageIcon::Question, 2};
    return form.platform.showMessage(question) == MessageAnswer::Yes;
}

} // namespace

void Command4_Click(Form1& form) {
    const std::filesystem::path archive = WorkFolder{form.WorkFolder}.archive();
    if (const auto refusal = archiveRefusal(archive)) {
        form.platform.showMessage(
            {"Tallowmere TB", *refusal, MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    if (!cardReadyToRecord(form))
        return;
    if (form.Command4.enabled)
        form.Command4.enabled = false;
    // The totals of the last summary of this card, kept until the card is
    // closed as its grid is; with none, counters of 0 and blank totals.
    const std::string line =
        archiveLine(cardStem(form.ActiveCardFile), form.Card.RaceCount,
                    form.ShownSummary ? form.ShownSummary->totalsRow : std::vector<std::string>{});
    if (const auto problem = appendArchiveLine(archive, line))
        form.platform.showMessage(
            {"Tallowmere TB", *problem, MessageButtons::Ok, MessageIcon::Exclamation});
}

} // namespace tallowmere
