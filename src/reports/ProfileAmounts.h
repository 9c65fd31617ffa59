#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere::profile {

// A field of an archive line as a number: `value` as text::finiteNumberOf
// reads it (a value too large for a number counts as 0) and, when the field
// is a plain amount of whole cents (blanks, a sign, up to ten whole digits,
// up to two decimals), the amount in cents.
struct FieldValue {
    double value = 0;
    std::optional<std::int64_t> cents;
};
FieldValue fieldValue(std::string_view field);

// Whether a total of this many cents stays exact through the grid's
// two-decimal text: within ten thousand million units, the rounding errors of
// a sum of two such amounts and of its 15-digit decimal form stay below a
// ten-thousandth, far from the half cent where the two-decimal text would
// round away from the exact sum.
bool exactCents(std::int64_t cents);

// The field through the mask "######.00", as text::formatText gives it.
std::string twoDecimals(std::string_view field);

} // namespace tallowmere::profile
