#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallowmere::text {

// The first n characters; the whole text when it is shorter.
std::string firstChars(std::string_view text, std::size_t n);

// The last n characters; the whole text when it is shorter.
std::string lastChars(std::string_view text, std::size_t n);

// Padded on the left with blanks to n characters (an "@@@@@" mask); a longer
// text is kept whole, so the fixed columns after it shift.
std::string rightAligned(std::string_view text, std::size_t n);

// Followed by blanks up to n characters; a longer text is kept whole.
std::string leftAligned(std::string_view text, std::size_t n);

// Blanks removed on both sides, or on the right only.
std::string trimmed(std::string_view text);
std::string trimmedRight(std::string_view text);
std::string trimmedLeft(std::string_view text);

// The characters of columns `first` (counted from 1) to `first + width - 1`
// that the line has; a short line gives fewer, or none.
std::string_view columnsOf(std::string_view line, std::size_t first,
                           std::size_t width = std::string_view::npos);

// Whether two names are the same when the case of ASCII letters is ignored
// (table, field and file names of a card).
bool sameIgnoringCase(std::string_view a, std::string_view b);

} // namespace tallowmere::text
