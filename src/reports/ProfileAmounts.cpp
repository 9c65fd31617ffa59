#include "reports/ProfileAmounts.h"

#include "text/Masks.h"
#include "text/Numbers.h"

namespace tallowmere::profile {
namespace {

constexpr std::int64_t centsLimit = 1'000'000'000'000;
constexpr std::size_t wholeDigitsLimit = 10;

// A plain amount: its sign, its whole digits without leading zeros and up to
// two decimals.
struct PlainAmount {
    bool negative = false;
    std::string_view whole;
    std::string_view decimals;

    std::int64_t magnitudeInCents() const {
        std::int64_t cents = 0;
        for (char c : whole)
            cents = cents * 10 + (c - '0');
        for (std::size_t i = 0; i < 2; ++i)
            cents = cents * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
        return cents;
    }
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The whole of `text` as a plain amount; nothing when it is anything else.
std::optional<PlainAmount> plainAmount(std::string_view text) {
    PlainAmount amount;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        amount.negative = text[i++] == '-';
    const std::size_t wholeStart = i;
    i = digitsFrom(text, i);
    amount.whole = text.substr(wholeStart, i - wholeStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t decimalsStart = ++i;
        i = digitsFrom(text, i);
        amount.decimals = text.substr(decimalsStart, i - decimalsStart);
    }
    if (i != text.size() || amount.whole.size() + amount.decimals.size() == 0 ||
        amount.decimals.size() > 2)
        return std::nullopt;
    amount.whole.remove_prefix(std::min(amount.whole.find_first_not_of('0'), amount.whole.size()));
    if (amount.whole.size() > wholeDigitsLimit)
        return std::nullopt;
    return amount;
}

} // namespace

// One pass over the field, blanks skipped, as plainAmount would read it
// without them.
FieldValue fieldValue(std::string_view field) {
    const auto asText = [field] { return FieldValue{text::finiteNumberOf(field), std::nullopt}; };
    bool negative = false;
    bool pointSeen = false;
    std::size_t characters = 0;
    std::size_t digits = 0;
    std::size_t wholeDigits = 0;
    std::size_t decimals = 0;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    for (char c : field) {
        if (c == ' ')
            continue;
        if (characters++ == 0 && (c == '+' || c == '-')) {
            negative = c == '-';
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else if (!isDigit(c)) {
            return asText();
        } else if (pointSeen) {
            ++digits;
            if (++decimals > 2)
                return asText();
            fraction = fraction * 10 + (c - '0');
        } else {
            ++digits;
            whole = whole * 10 + (c - '0');
            if (whole > 0 && ++wholeDigits > wholeDigitsLimit)
                return asText();
        }
    }
    if (characters == 0)
        return {0.0, 0};
    if (digits == 0)
        return asText();
    // Cents and hundreds are whole numbers a double holds exactly, and the
    // division rounds to the nearest double as reading the decimal text does.
    const std::int64_t magnitude = whole * 100 + fraction * (decimals == 1 ? 10 : 1);
    const double value = double(magnitude) / 100;
    return {negative ? -value : value, negative ? -magnitude : magnitude};
}

bool exactCents(std::int64_t cents) {
    return cents > -centsLimit && cents < centsLimit;
}

std::string twoDecimals(std::string_view field) {
    const auto first = field.find_first_not_of(' ');
    const std::string_view core =
        first == std::string_view::npos
            ? std::string_view{}
            : field.substr(first, field.find_last_not_of(' ') - first + 1);
    const auto amount = plainAmount(core);
    if (!amount)
        return text::formatText(field, "######.00");
    // Up to twelve significant digits survive the 15-digit decimal form that
    // the mask rounds on, so the text is the amount's own digits.
    std::string shown = amount->negative && amount->magnitudeInCents() != 0 ? "-" : "";
    shown.append(amount->whole).append(".").append(amount->decimals);
    shown.append(2 - amount->decimals.size(), '0');
    return shown;
}

} // namespace tallowmere::profile
