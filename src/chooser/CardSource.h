#pragma once

#include "chooser/CardProblem.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tallowmere::chooser {

// One file of a source that may be a table of the card.
// No race card table comes near this (the largest card's is about 1 MB);
// a larger file is refused before more of it is read or written.
inline constexpr std::uintmax_t largestTableBytes = 64u << 20;

// Why an entry was not copied out.
struct CopyFailure {
    bool tooLarge = false; // larger than largestTableBytes
    std::string reason;    // otherwise, the system's text
};

struct SourceEntry {
    std::string name;     // the file name alone, without its folders
    std::string location; // where it is, as the user would find it
};

// A folder or a .zip a card is taken from. Only the entries' file names are
// looked at: their folders, and where links point, never decide where a copy
// is written.
class CardSource {
  public:
    virtual ~CardSource() = default;

    virtual const std::vector<SourceEntry>& entries() const = 0;
    // Writes the bytes of entry `index` to `file`, up to largestTableBytes;
    // why it could not, or nothing.
    virtual std::optional<CopyFailure> copyOut(std::size_t index,
                                               const std::filesystem::path& file) const = 0;
};

using OpenedSource = std::variant<std::unique_ptr<CardSource>, CardProblem>;

// The files of a folder (not of its subfolders), or every regular file of a .zip
// wherever it lies inside; or why the source cannot be read.
OpenedSource openCardSource(const std::filesystem::path& source);

} // namespace tallowmere::chooser
