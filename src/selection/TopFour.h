#pragma once

#include "model/CardStore.h"
#include "model/Form1.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

// A pick: the entry, the slot of its winning rating and that rating's value.
struct Pick {
    int entry;
    int slot;
    double value;
};

using Picks = std::array<std::optional<Pick>, 4>;

// Each entry's lowest positive rating below 350, as stored text.
std::vector<std::pair<int, std::string>> bestPaceRatings(const CardStore& store, int first,
                                                         int last);

// The four entries of a race owning the lowest qualifying ratings (at least 20,
// below 250 for the top pick and below 350 for the others), each by one scan
// over the entries not yet picked; ties go to the first cell met. A pick no
// entry qualifies for is missing.
Picks pickFour(const CardStore& store, int first, int last);

// A pick's selection line: program (4), post (4), trimmed morning line (6),
// name (30), jockey (20), `gap` (five blanks after a handicapping run, none
// after a scratch) and the winning rating as stored.
std::string selectionLine(const CardStore& store, const Pick& pick,
                          const std::string& gap = "     ");

// The top pick, then each later pick close enough to the one before it (under
// 5 points for the second, at most 0.5 for the third and the fourth).
std::string keySelections(const CardStore& store, const Picks& picks);

// The key-selections file's line of a race: "RACE", the race right-aligned in
// three, " :", seven blanks and the key selections.
std::string keySelectionsLine(int race, const std::string& keys);

// Stores the picks of race `race`: program numbers in CardPicks columns 1 to 4
// (empty for a missing pick), selection lines, and each pick's morning line
// trimmed in place.
void storePicks(Form1& form, int race, const Picks& picks, const std::string& gap);

// The selection lines of the picks, and each pick's morning line trimmed in
// place, leaving CardPicks as it is.
void storeSelectionLines(Form1& form, int race, const Picks& picks, const std::string& gap);

// Shows the picks in Text39(1..4): " - " for a missing pick or a program
// number repeated from the pick before.
void showPicks(Form1& form, int race, const Picks& picks);

// Ranks the race CurrentRace (entries FirstEntry to LastEntry): stores the best
// ratings, the picks' program numbers in CardPicks, the selection lines and the
// key selections, appends the race's line to the key-selections file and shows
// the picks in Text39(1..4).
void TOP_FOUR(Form1& form);

} // namespace tallowmere
