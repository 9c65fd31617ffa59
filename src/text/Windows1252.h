#pragma once

#include <string>
#include <string_view>

namespace tallowmere::text {

// Card tables and the files made from them hold Windows-1252 bytes. These turn
// them into UTF-8 for display and turn typed UTF-8 back into such bytes; the
// model and the files keep the bytes.
std::string utf8FromWindows1252(std::string_view bytes);
// A character that Windows-1252 has no byte for becomes "?".
std::string windows1252FromUtf8(std::string_view utf8);

} // namespace tallowmere::text
