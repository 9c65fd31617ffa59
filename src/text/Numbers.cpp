#include "text/Numbers.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace tallowmere::text {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest prefix of `text` shaped as a number: sign, digits with at most
// one point, then an exponent only when digits follow its letter.
std::size_t numberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// The value of text shaped as a number; "." is the point whatever locale the
// desktop has set.
// from_chars rounds as strtod does, without copying the text; it takes no
// "+" and leaves a value out of range to strtod, which gives infinity or zero.
double parsePrefix(std::string_view number) {
    const std::string_view withoutPlus = number.starts_with('+') ? number.substr(1) : number;
    double value = 0;
    const auto parsed =
        std::from_chars(withoutPlus.data(), withoutPlus.data() + withoutPlus.size(), value);
    if (parsed.ec == std::errc{})
        return value;
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return ::strtod_l(std::string(number).c_str(), nullptr, cLocale);
}

} // namespace

double numberOf(std::string_view text) {
    std::string withoutBlanks;
    withoutBlanks.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            withoutBlanks += c;
    const std::size_t length = numberPrefixLength(withoutBlanks);
    if (length == 0)
        return 0.0;
    return parsePrefix(std::string_view(withoutBlanks).substr(0, length));
}

std::optional<double> strictNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    const std::string_view core = text.substr(first, last - first + 1);
    if (numberPrefixLength(core) != core.size())
        return std::nullopt;
    const double value = parsePrefix(core);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> wholeNumber(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> strictWhole(std::string_view text) {
    const auto value = strictNumber(text);
    if (!value)
        return std::nullopt;
    return wholeNumber(*value);
}

DecimalForm decimalFormOf(double value) {
    DecimalForm form;
    if (value == 0.0 || !std::isfinite(value))
        return form;
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    if (scientific.front() == '-') {
        form.negative = true;
        scientific.remove_prefix(1);
    }
    const auto exponentAt = scientific.find('e');
    for (char c : scientific.substr(0, exponentAt))
        if (isDigit(c))
            form.digits += c;
    form.pointPosition = std::atoi(std::string(scientific.substr(exponentAt + 1)).c_str()) + 1;
    while (!form.digits.empty() && form.digits.back() == '0')
        form.digits.pop_back();
    return form;
}

std::string textOf(double value) {
    const DecimalForm form = decimalFormOf(value);
    if (form.digits.empty())
        return "0";
    std::string text = form.negative ? "-" : "";
    const int digitCount = static_cast<int>(form.digits.size());
    if (form.pointPosition > 15 || form.pointPosition < -14) {
        // Far beyond the 15 digits a card ever holds: scientific, as "1E+20".
        text += form.digits.substr(0, 1);
        if (digitCount > 1)
            text += "." + form.digits.substr(1);
        const int exponent = form.pointPosition - 1;
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return text + suffix;
    }
    if (form.pointPosition <= 0)
        return text + "0." + std::string(-form.pointPosition, '0') + form.digits;
    if (form.pointPosition >= digitCount)
        return text + form.digits + std::string(form.pointPosition - digitCount, '0');
    return text + form.digits.substr(0, form.pointPosition) + "." +
           form.digits.substr(form.pointPosition);
}

std::string printedNumber(double value) {
    const std::string text = textOf(value);
    return (text.front() == '-' ? "" : " ") + text + " ";
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> wholeDigits(std::string_view whole) {
    if (whole.find(',') == std::string_view::npos)
        return allDigits(whole) ? std::optional<std::string>(whole) : std::nullopt;
    const auto first = whole.find(',');
    if (first == 0 || first > 3 || (whole.size() - first) % 4 != 0)
        return std::nullopt;
    std::string digits(whole.substr(0, first));
    for (std::size_t at = first; at < whole.size(); at += 4) {
        if (whole[at] != ',' || !allDigits(whole.substr(at + 1, 3)))
            return std::nullopt;
        digits += whole.substr(at + 1, 3);
    }
    return allDigits(digits) ? std::optional<std::string>(digits) : std::nullopt;
}

std::optional<double> recordablePayoff(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (point != std::string_view::npos &&
        (decimals.empty() || decimals.size() > 2 || !allDigits(decimals)))
        return std::nullopt;
    if (whole.empty() && point == std::string_view::npos)
        return std::nullopt;
    const auto digits = wholeDigits(whole);
    if (!digits)
        return std::nullopt;
    const double value = numberOf(*digits + "." + std::string(decimals));
    if (!(value < 10'000'000.0))
        return std::nullopt;
    return value;
}

double finiteNumberOf(std::string_view text) {
    const double value = numberOf(text);
    return std::isfinite(value) ? value : 0;
}

} // namespace tallowmere::text
