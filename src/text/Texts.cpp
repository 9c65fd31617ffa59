#include "text/Texts.h"

#include <algorithm>
#include <cctype>

namespace tallowmere::text {

std::string firstChars(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string lastChars(std::string_view text, std::size_t n) {
    return std::string(text.size() <= n ? text : text.substr(text.size() - n));
}

std::string rightAligned(std::string_view text, std::size_t n) {
    if (text.size() >= n)
        return std::string(text);
    return std::string(n - text.size(), ' ') + std::string(text);
}

std::string leftAligned(std::string_view text, std::size_t n) {
    if (text.size() >= n)
        return std::string(text);
    return std::string(text) + std::string(n - text.size(), ' ');
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string trimmedRight(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string{} : std::string(text.substr(0, last + 1));
}

std::string trimmedLeft(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string{} : std::string(text.substr(first));
}

std::string_view columnsOf(std::string_view line, std::size_t first, std::size_t width) {
    if (first == 0 || first > line.size())
        return {};
    return line.substr(first - 1, width);
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace tallowmere::text
