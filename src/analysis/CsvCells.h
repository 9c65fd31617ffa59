#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallowmere::analysis {

// A number as a screen shows it ("  1,912.40", ".00", "-75.60") as a
// spreadsheet reads it plainly ("1912.40", "0.00", "-75.60"): blanks and
// thousands separators gone, a zero before a bare decimal point. Nothing for
// any other text.
std::optional<std::string> plainNumber(std::string_view shown);

// A cell of an exported table: blanks around it trimmed, a number plain, a
// percentage (when `percent`) as its number without the sign ("-17.5%" gives
// "-17.5", "  %" nothing), and a text a spreadsheet would run as a formula (beginning with
// "=", "+", "-", "@", a tab or a carriage return) behind an apostrophe.
std::string csvCell(std::string_view shown, bool percent = false);

// A cell that names a row or column (a card, a folder, a heading): trimmed and
// kept from running as a formula, but never made a number ("1,912" stays).
std::string csvName(std::string_view shown);

} // namespace tallowmere::analysis
