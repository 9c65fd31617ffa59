#pragma once

#include "model/Form1.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tallowmere {

// A file the program reads or writes that is there but is not a regular file
// (a folder, a FIFO, a device) is left alone, and the user is told:
// "\"<path>\" is not a regular file: nothing was read or written." Whether
// that was so.
bool refusedAsNotRegular(Form1& form, const std::filesystem::path& file);

// Creates or empties a file the program forms again on every run (a view, a
// report) and writes `content`; what stands there and is not a regular file
// is left alone, and the user is told.
void writeFileOrTell(Form1& form, const std::filesystem::path& file, std::string_view content);

// "The archive \"<path>\" could not be read: <reason>." A card is never
// appended to an archive that cannot be read: the new line could be glued to
// its last one.
std::string archiveUnreadableText(const std::filesystem::path& archive, const std::string& reason);

} // namespace tallowmere
