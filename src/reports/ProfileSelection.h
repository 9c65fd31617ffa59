#pragma once

#include "rating/TrackParameters.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// The archive lines a profile selector keeps, in archive order, for a selector
// already in upper case: "ALL" every line; a selector from "A" up a track code,
// the lines of that track; "1/2" or a text beginning "5/8", "7/8", "1.M" or
// "1.Q" a size category, the lines of every track of that size in
// TrackEditor.ini (a line once for each listed code it equals); anything else
// no line. Nothing when the archive is needed and could not be read. The
// views point into `archive`.
std::optional<std::vector<std::string_view>>
selectArchiveLines(std::string_view selector,
                   const std::optional<std::vector<std::string>>& archive, const TrackFile& tracks);

// The same, over the lines as views.
std::optional<std::vector<std::string_view>>
selectArchiveLines(std::string_view selector,
                   const std::optional<std::vector<std::string_view>>& archive,
                   const TrackFile& tracks);

// What a profile of the selector (in upper case) is called: "All Tracks",
// the track code, or "Size " and the size category; any other selector as it
// is.
std::string profileTitle(std::string_view selector);

// Upper case of the ASCII letters; every other byte stays.
std::string upperCase(std::string_view text);

// The first five characters of an archive line, blanks trimmed.
std::string archiveTrackCode(std::string_view line);

// TBA.txt: the kept lines, the last kept first, each ended by CR LF.
std::string archiveCopyText(const std::vector<std::string_view>& kept);

} // namespace tallowmere
