#pragma once

#include "model/Platform.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tallowmere {

// Whether the program cannot read a line (Windows-1252 bytes) of a file the
// user keeps by hand, as its readers take the line's columns. The results
// chart's lines are never marked: its reader takes any text.
bool programCannotRead(EditedFile kind, std::string_view line);

// The lines of the editor's text (UTF-8, lines parted by "\n") that the
// program cannot read, counted from 0.
std::vector<std::size_t> unreadableLines(EditedFile kind, std::string_view text);

enum class LineEnd { CrLf, Lf, Cr };

// How a file ends its lines, so a save writes them as the file had them.
struct LineLayout {
    LineEnd lineEnd = LineEnd::CrLf;
    bool endsWithLineEnd = true;
};

// The first line end of the file's bytes, and whether its last line is
// ended; a file without a line end gets CR LF, as the program writes.
LineLayout lineLayoutOf(std::string_view bytes);

// The file's Windows-1252 bytes as the editor shows them: UTF-8, every line
// end made "\n", the last line end dropped.
std::string editorTextOf(std::string_view bytes);

// A character of the editor's text that Windows-1252 has no byte for.
struct Unencodable {
    std::string character; // UTF-8
    char32_t codePoint = 0;
    std::size_t line = 0; // counted from 1
};

// The editor's text as the file's bytes: Windows-1252, every line ended as
// the layout says; or the first character that cannot be written.
std::variant<std::string, Unencodable> fileBytesOf(std::string_view text, LineLayout layout);

// "<name> was not saved: line <n> holds "<c>" (U+XXXX), which ..."
std::string unencodableText(const std::filesystem::path& file, const Unencodable& refused);

} // namespace tallowmere
