#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere::text {

// The value of the number at the start of a text. Blanks anywhere are skipped
// ("1 2" reads as 12); a text with no number at its start reads as 0.
double numberOf(std::string_view text);

// The number of a text where only a finite value may go (a total, a grid, a
// chart): a text too large for a number (1e999) reads as 0.
double finiteNumberOf(std::string_view text);

// The whole text, leading and trailing blanks allowed, must be a number.
std::optional<double> strictNumber(std::string_view text);

// Whether every character is a digit 0 to 9 (the empty text too).
bool allDigits(std::string_view text);

// The whole part of a number without its thousands separators: groups of
// three after a first group of one to three, or plain digits ("1,912" gives
// "1912"); nothing when it is neither.
std::optional<std::string> wholeDigits(std::string_view whole);

// A payoff that may be recorded: a non-negative amount of digits, with
// thousands separators between groups of three or none, and at most two
// decimals ("12", "5.2", ".50", "1,234.50"), below 10,000,000.00; blanks
// around it are allowed. Nothing for any other text, the empty one too.
std::optional<double> recordablePayoff(std::string_view text);

// Rounded to the nearest whole number, halves to the even neighbour, in the
// signed 16-bit range; outside it the conversion fails.
std::optional<std::int16_t> wholeNumber(double value);

// A text converted strictly, then to a whole number.
std::optional<std::int16_t> strictWhole(std::string_view text);

// The shortest decimal text of at most 15 significant digits: no trailing
// zeros, no point for a whole value, "0.5" for a half.
std::string textOf(double value);

// A number written straight into a text file: a blank in place of the sign of
// a positive value, and a blank after it (" 12 ", "-3.5 ").
std::string printedNumber(double value);

// The value as 15 significant decimal digits: digits[0] is the first
// significant digit and the value is 0.d1d2... × 10^pointPosition. Zero has
// no digits. Masks round on this form, so 2.675 rounds to 2.68.
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};
DecimalForm decimalFormOf(double value);

} // namespace tallowmere::text
