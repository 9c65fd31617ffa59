#pragma once

#include "model/RecordArrays.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere {

// The text of a card's record file: for each race the eight picks, then for
// each race the ten tote-board values, one quoted value per CR LF line. A
// double quote inside a value is written twice.
std::string recordFileText(const RecordArrays& arrays, int raceCount);

// The arrays with the file's values put in, or nothing when the text does not
// hold exactly 18 values per race (a file of another card is never read
// shifted). Values of races beyond the arrays' bounds are dropped.
std::optional<RecordArrays> withRecordFileText(RecordArrays arrays, std::string_view content,
                                               int raceCount);

enum class RecordFileStatus { Loaded, Missing, DoesNotMatch, NotRegular };

struct RecordFileLoad {
    RecordFileStatus status;
    RecordArrays arrays; // unchanged unless Loaded
};

RecordFileLoad loadRecordFile(const std::filesystem::path& file, RecordArrays arrays,
                              int raceCount);

// Writes the file whole or not at all; the reason of a failure, or nothing.
[[nodiscard]] std::optional<std::string> saveRecordFile(const std::filesystem::path& file,
                                                        const RecordArrays& arrays, int raceCount);

// A record file that does not fit its card is kept under a backup name before
// the card is saved over it. An existing backup may hold results typed long
// ago, so it is never replaced: the first of <file>.bak, <file>.bak2,
// <file>.bak3, ... that no file has.
std::filesystem::path firstFreeBackupName(const std::filesystem::path& file);

// Moves the file to its first free backup name; the reason of a failure, or
// nothing (also when there is no file to keep).
[[nodiscard]] std::optional<std::string> keepAsBackup(const std::filesystem::path& file);

} // namespace tallowmere
