#include "reports/HandKeptText.h"

#include "rating/TrackParameters.h"
#include "reports/ProfileColumns.h"
#include "reports/ProfileSelection.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tallowmere {
namespace {

bool blank(std::string_view field) {
    return text::trimmed(field).empty();
}

bool blankOrNumber(std::string_view field) {
    return blank(field) || text::strictNumber(field).has_value();
}

constexpr std::array<std::string_view, 5> sizeCategories = {"1/2", "5/8", "7/8", "1.M", "1.Q"};

// A blank code is never looked up, a speed that is not a number reads as 0
// and a size that is no category puts the track in no size's profile.
bool trackLineUnreadable(std::string_view line) {
    if (trackCodeOf(line).empty())
        return true;
    if (!blankOrNumber(text::columnsOf(line, 25, 3)) ||
        !blankOrNumber(text::columnsOf(line, 32, 3)))
        return true;
    const std::string size = sizeCategoryOf(line);
    return !blank(size) && std::ranges::find(sizeCategories, size) == sizeCategories.end();
}

// A blank track code puts the card in no track's profile, and a race count
// that is not a number counts the card as no race at all.
bool archiveLineUnreadable(std::string_view line) {
    const auto races = profile::fields[1];
    return archiveTrackCode(line).empty() ||
           !text::strictNumber(text::columnsOf(line, races.first, races.width));
}

std::string_view lineEndText(LineEnd end) {
    switch (end) {
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    default:
        return "\r\n";
    }
}

// The length of the UTF-8 character that starts with `lead`; a stray byte
// stands alone.
std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return lead >= 0xC0 ? 2 : 1;
}

char32_t codePointOf(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return lead < 0x80 ? lead : U'\uFFFD';
    char32_t c = lead & (0x7F >> character.size());
    for (std::size_t k = 1; k < character.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
    return c;
}

// The character's Windows-1252 byte, or nothing when there is none.
std::optional<char> byteOf(std::string_view character) {
    if (character.size() == 1 && static_cast<unsigned char>(character[0]) < 0x80)
        return character[0];
    const std::string converted = text::windows1252FromUtf8(character);
    if (converted.size() != 1 || converted == "?")
        return std::nullopt;
    return converted[0];
}

} // namespace

// An empty line is never marked: the program passes over it as a track it
// never finds, or a card of no races, and a line just begun while typing
// would flash red.
bool programCannotRead(EditedFile kind, std::string_view line) {
    if (line.empty())
        return false;
    switch (kind) {
    case EditedFile::TrackList:
        return trackLineUnreadable(line);
    case EditedFile::Archive:
        return archiveLineUnreadable(line);
    default:
        return false;
    }
}

std::vector<std::size_t> unreadableLines(EditedFile kind, std::string_view text) {
    std::vector<std::size_t> marked;
    if (kind == EditedFile::ResultsChart)
        return marked;
    std::size_t number = 0;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string bytes = text::windows1252FromUtf8(text.substr(start, end - start));
        if (programCannotRead(kind, bytes))
            marked.push_back(number);
        start = end + 1;
    }
    return marked;
}

LineLayout lineLayoutOf(std::string_view bytes) {
    LineLayout layout;
    const auto first = bytes.find_first_of("\r\n");
    if (first != std::string_view::npos && bytes[first] == '\n')
        layout.lineEnd = LineEnd::Lf;
    else if (first != std::string_view::npos && bytes.substr(first, 2) != "\r\n")
        layout.lineEnd = LineEnd::Cr;
    if (!bytes.empty())
        layout.endsWithLineEnd = bytes.back() == '\r' || bytes.back() == '\n';
    return layout;
}

std::string editorTextOf(std::string_view bytes) {
    const auto lines = text::lineViews(bytes);
    std::string joined;
    for (std::size_t k = 0; k < lines.size(); ++k)
        joined.append(k == 0 ? "" : "\n").append(lines[k]);
    return text::utf8FromWindows1252(joined);
}

std::variant<std::string, Unencodable> fileBytesOf(std::string_view text, LineLayout layout) {
    const std::string_view lineEnd = lineEndText(layout.lineEnd);
    std::string bytes;
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view character =
            text.substr(i, characterLength(static_cast<unsigned char>(text[i])));
        i += character.size();
        if (character == "\n") {
            bytes += lineEnd;
            ++line;
        } else if (const auto byte = byteOf(character)) {
            bytes += *byte;
        } else {
            return Unencodable{std::string(character), codePointOf(character), line};
        }
    }
    if (!text.empty() && layout.endsWithLineEnd)
        bytes += lineEnd;
    return bytes;
}

std::string unencodableText(const std::filesystem::path& file, const Unencodable& refused) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(refused.codePoint));
    return file.filename().string() + " was not saved: line " + std::to_string(refused.line) +
           " holds \"" + refused.character + "\" (" + codePoint +
           "), a character the file cannot hold in its Windows-1252 encoding. Change it and "
           "save again.";
}

} // namespace tallowmere
