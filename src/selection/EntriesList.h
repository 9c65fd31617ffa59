#pragma once

#include "model/CardStore.h"
#include "model/Form1.h"
#include "model/SelectionResults.h"

#include <string>
#include <vector>

namespace tallowmere {

// An entry line's program number and post (each right-aligned in three) and
// morning line (in five), which the list stores back into the card.
struct EntriesListLine {
    int race = 0;
    int post = 0;
    int entry = 0; // the running count of lines over the card
    std::string program;
    std::string postText;
    std::string morningLine;
};

struct EntriesList {
    std::string text;
    std::vector<EntriesListLine> lines;
};

// The entries list: a head on how to use it, then for every race its posts 1
// to 22 up to the first post without a program number. The morning line and
// best pace rating of a line are those of the card's n-th entry, n counting
// the lines written, so a gap in the posts shifts them in later races.
EntriesList entriesList(const CardStore& store, const SelectionResults& selections);

// Writes the lines' formatted texts over the card's.
void storeEntriesListLines(CardStore& store, const std::vector<EntriesListLine>& lines);

// File > Entries List: writes the active card's entries list, keeps its
// formatted texts in the card and shows the list.
void Entries_Click(Form1& form);

} // namespace tallowmere
