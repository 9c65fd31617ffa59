#include "card/FieldText.h"

#include "text/Numbers.h"
#include "text/Texts.h"

#include <cstdint>
#include <cstring>

namespace tallowmere {
namespace {

template <typename T> T littleEndian(std::string_view raw) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T) && i < raw.size(); ++i)
        bits |= std::uint64_t(static_cast<unsigned char>(raw[i])) << (8 * i);
    T value;
    if constexpr (sizeof(T) == 4) {
        const auto narrow = static_cast<std::uint32_t>(bits);
        std::memcpy(&value, &narrow, sizeof value);
    } else {
        std::memcpy(&value, &bits, sizeof value);
    }
    return value;
}

std::string withoutPadding(std::string_view raw, bool leftToo) {
    const auto isPad = [](char c) { return c == ' ' || c == '\0'; };
    std::size_t end = raw.size();
    while (end > 0 && isPad(raw[end - 1]))
        --end;
    std::size_t begin = 0;
    while (leftToo && begin < end && isPad(raw[begin]))
        ++begin;
    return std::string(raw.substr(begin, end - begin));
}

// Currency: a 64-bit count of ten-thousandths, written exactly.
std::string currencyText(std::int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    const std::uint64_t magnitude =
        negative ? 0 - std::uint64_t(tenThousandths) : std::uint64_t(tenThousandths);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return (negative && magnitude != 0 ? "-" : "") + text;
}

// A Julian day number as YYYYMMDD (proleptic Gregorian calendar). Only days of
// the years 1 to 9999 have such a text; any other day, and 0 (no date), gives
// empty text.
std::string julianDayText(std::int32_t julianDay) {
    constexpr std::int64_t firstDayOfYear1 = 1721426;   // 1 January 1
    constexpr std::int64_t lastDayOfYear9999 = 5373484; // 31 December 9999
    if (julianDay < firstDayOfYear1 || julianDay > lastDayOfYear9999)
        return {};
    const std::int64_t a = std::int64_t{julianDay} + 32044;
    const std::int64_t b = (4 * a + 3) / 146097;
    const std::int64_t c = a - 146097 * b / 4;
    const std::int64_t d = (4 * c + 3) / 1461;
    const std::int64_t e = c - 1461 * d / 4;
    const std::int64_t m = (5 * e + 2) / 153;
    const std::int64_t day = e - (153 * m + 2) / 5 + 1;
    const std::int64_t month = m + 3 - 12 * (m / 10);
    const std::int64_t year = 100 * b + d - 4800 + m / 10;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04lld%02lld%02lld", static_cast<long long>(year),
                  static_cast<long long>(month), static_cast<long long>(day));
    return buffer;
}

} // namespace

std::string fieldText(char type, std::string_view raw) {
    switch (type) {
    case 'N':
    case 'F':
    case 'D':
        return withoutPadding(raw, true);
    case 'L':
        switch (raw.empty() ? ' ' : raw.front()) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            return "True";
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            return "False";
        default:
            return {};
        }
    case 'I':
        return raw.size() < 4 ? std::string{} : std::to_string(littleEndian<std::int32_t>(raw));
    case 'B':
        return raw.size() < 8 ? std::string{} : text::textOf(littleEndian<double>(raw));
    case 'Y':
        return raw.size() < 8 ? std::string{} : currencyText(littleEndian<std::int64_t>(raw));
    case 'T':
        return raw.size() < 8 ? std::string{} : julianDayText(littleEndian<std::int32_t>(raw));
    case 'M':
    case 'G':
    case 'P':
    case '0': // Visual FoxPro's hidden null flags
        return {};
    default:
        return withoutPadding(raw, false);
    }
}

} // namespace tallowmere
