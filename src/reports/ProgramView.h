#pragma once

#include "model/CardStore.h"
#include "model/Form1.h"
#include "model/SelectionResults.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// A past race's fields as the program file shows them: calls, time and the
// race's pace rating as ratings ("###.0" in five), post and gate break in two,
// lengths in six (a blank after one ending in a letter such as "nk"), the
// beaten finish in two. The card keeps these texts, so the race display shows
// them too.
struct ProgramPastRace {
    int entry = 0;
    int past = 0;
    std::string call1, call2, call3, time;
    std::string post, gateBreak;
    std::string len1, len2, stretchLen, finBeaten;
    std::string rating;
};

// Past race `past` of an entry, formatted.
ProgramPastRace programPastRace(const CardStore& store, int entry, int past);

// One past-performance line of the program file, from the formatted fields.
std::string pastPerformanceLine(const CardStore& store, const ProgramPastRace& formatted);

// The program file's text and the past races it formatted, which the view
// stores back into the card.
struct ProgramFile {
    std::string text;
    std::vector<ProgramPastRace> formatted;
};

// The program file: the card's head, then for every race its head, each entry
// with its program data and its past races 1 to 5 that have a date, the
// race's selections and a rule of "=".
ProgramFile programFile(const CardStore& store, const SelectionResults& selections,
                        std::string_view trackName);

// Writes the formatted texts over the card's.
void storeFormatted(CardStore& store, const std::vector<ProgramPastRace>& formatted);

// File > View Program: writes the active card's program file, keeps the
// formatted past races in the card and shows the file.
void Program_Click(Form1& form);

} // namespace tallowmere
