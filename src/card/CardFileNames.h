#pragma once

#include <string>
#include <string_view>

namespace tallowmere {

// The record file's name: the track code right-aligned in five, "_", the race
// date and ".pmd", so "CD" on 5 Dec 2026 gives "   CD_20261205.pmd".
std::string activeCardFileName(std::string_view trackCode, std::string_view raceDate);

// Every other file of the card: the record file's name up to and including its
// first "." followed by `extension` ("pms2" gives "   CD_20261205.pms2").
std::string cardFileWithExtension(std::string_view activeCardFile, std::string_view extension);

// The card's stem: the record file's name up to, not including, its first
// "." ("   CD_20261205"); the archive and the results chart know a card by it.
std::string cardStem(std::string_view activeCardFile);

// Whether card data in a file name would take the file out of its folder: a
// path separator, "..", a NUL or another control character.
bool leavesItsFolder(std::string_view text);

} // namespace tallowmere
