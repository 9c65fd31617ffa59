#pragma once

#include "model/Form1.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// The Record button: appends the card's line, from the totals of the summary
// on screen, to TBA.ini in the working folder, and stays disabled until the
// next summary. A failed write is told in a message and leaves TBA.ini as it was. Nothing
// is recorded without an active card or for a card without any result; a
// card some of whose races have no result is recorded only when the user says
// so. A refusal leaves the button as it was.
void Command4_Click(Form1& form);

// How many of the card's races (at most 20) have results: a first finisher
// that is not blank.
int racesWithResults(const CardPicksArray& picks, int raceCount);

// A counter cell of the summary's totals row; a cell that is not a whole
// number in the 16-bit range reads as 0.
std::int16_t counterOf(std::string_view cell);

// One line of TBA.ini, without its line end: the stem, the race count
// right-aligned in 3, the counters of columns 1 to 4 in 5 each, the totals of
// columns 11 to 13, 15 to 19 and 22 to 24 in 9 each and of 26 to 28 in 10.
// `totalsRow` holds the cells of the row from column 0; a value too wide for
// its field is written whole and moves the fields after it.
std::string archiveLine(std::string_view stem, int raceCount,
                        const std::vector<std::string>& totalsRow);

// Why nothing may be appended to the archive, as the user is told: it is not
// a regular file, or it cannot be read (a line appended blind could be glued
// to its last one). Nothing when it is missing or readable.
std::optional<std::string> archiveRefusal(const std::filesystem::path& archive);

inline constexpr std::string_view alreadyArchivedText =
    "This card is already in the archive: nothing was recorded.";

// Appends the line, and its CR LF, to the archive; a file that does not end
// with a line end gets one first, so the line stands alone. What the user is
// told of a failure, nothing on success.
std::optional<std::string> appendArchiveLine(const std::filesystem::path& archive,
                                             std::string_view line);

} // namespace tallowmere
