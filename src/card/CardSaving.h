#pragma once

#include "model/Form1.h"

#include <filesystem>

namespace tallowmere {

// The active card's record file and scratch file in Race Cards.
std::filesystem::path recordFilePath(const Form1& form);
std::filesystem::path scratchFilePath(const Form1& form);

// Writes the record arrays to the active card's record file, whole or not at
// all, after keeping a saved file that did not fit the card as a backup; a
// scratch file Start did not read is replaced then too. Nothing is written
// without an active card or after a Test run. A failure is told once, and
// again only after a later save of that file went through.
void saveRecordArrays(Form1& form);

// The same as the card changes (a race left, the summary, Auto Record, a
// scratch): nothing is written when the file would get what this session
// last wrote to it.
void saveChangedRecordArrays(Form1& form);

// Writes the card's scratches to its scratch file, the same way, and removes
// the file when no scratch is left.
void saveScratches(Form1& form);

} // namespace tallowmere
