#include "card/RecordFile.h"

#include "text/TextFiles.h"

#include <system_error>
#include <vector>

namespace tallowmere {
namespace {

std::string quotedLine(std::string_view value) {
    std::string line = "\"";
    for (char c : value) {
        // A line end inside a value would split it across lines.
        line += (c == '\r' || c == '\n') ? ' ' : c;
        if (c == '"')
            line += '"';
    }
    return line + "\"\r\n";
}

std::string unquoted(std::string_view line) {
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return std::string(line); // a bare value stands as it is
    line = line.substr(1, line.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < line.size(); ++i) {
        value += line[i];
        if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"')
            ++i;
    }
    return value;
}

// Each line is one value; empty lines after the last value are not values.
std::vector<std::string> valuesOf(std::string_view content) {
    std::vector<std::string> lines = text::splitLines(content);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::vector<std::string> values;
    values.reserve(lines.size());
    for (const auto& line : lines)
        values.push_back(unquoted(line));
    return values;
}

} // namespace

std::string recordFileText(const RecordArrays& arrays, int raceCount) {
    // A race beyond an array's bounds still gets its lines (empty), so the file
    // always holds 18 values per race and loads back.
    std::string text;
    for (int race = 1; race <= raceCount; ++race)
        for (int column = 1; column <= limits::savedPickColumns; ++column)
            text += quotedLine(arrays.CardPicks.valueAt(race, column));
    for (int race = 1; race <= raceCount; ++race)
        for (int column = 1; column <= limits::savedPayoffColumns; ++column)
            text += quotedLine(arrays.CardPayoffs.valueAt(race, column));
    return text;
}

std::optional<RecordArrays> withRecordFileText(RecordArrays arrays, std::string_view content,
                                               int raceCount) {
    const std::vector<std::string> values = valuesOf(content);
    const int races = raceCount < 0 ? 0 : raceCount;
    const std::size_t perRace = limits::savedPickColumns + limits::savedPayoffColumns;
    if (values.size() != perRace * static_cast<std::size_t>(races))
        return std::nullopt;
    auto next = values.begin();
    for (int race = 1; race <= races; ++race)
        for (int column = 1; column <= limits::savedPickColumns; ++column)
            arrays.CardPicks.set(race, column, *next++);
    for (int race = 1; race <= races; ++race)
        for (int column = 1; column <= limits::savedPayoffColumns; ++column)
            arrays.CardPayoffs.set(race, column, *next++);
    return arrays;
}

RecordFileLoad loadRecordFile(const std::filesystem::path& file, RecordArrays arrays,
                              int raceCount) {
    const text::FileRead read = text::readFileChecked(file);
    if (read.status == text::FileRead::Status::NotRegular)
        return {RecordFileStatus::NotRegular, std::move(arrays)};
    if (read.status != text::FileRead::Status::Read)
        return {RecordFileStatus::Missing, std::move(arrays)};
    auto loaded = withRecordFileText(arrays, read.content, raceCount);
    if (!loaded)
        return {RecordFileStatus::DoesNotMatch, std::move(arrays)};
    return {RecordFileStatus::Loaded, std::move(*loaded)};
}

namespace {

std::filesystem::path backupName(const std::filesystem::path& file, int number) {
    return file.string() + ".bak" + (number == 1 ? std::string{} : std::to_string(number));
}

} // namespace

std::filesystem::path firstFreeBackupName(const std::filesystem::path& file) {
    int number = 1;
    std::error_code error;
    while (std::filesystem::symlink_status(backupName(file, number), error).type() !=
               std::filesystem::file_type::not_found &&
           !error)
        ++number;
    return backupName(file, number);
}

std::optional<std::string> keepAsBackup(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return error ? std::optional<std::string>(error.message()) : std::nullopt;
    for (int number = 1;; ++number) {
        error = text::renameWithoutReplacing(file, backupName(file, number));
        if (error != std::errc::file_exists)
            return error ? std::optional<std::string>(error.message()) : std::nullopt;
    }
}

std::optional<std::string> saveRecordFile(const std::filesystem::path& file,
                                          const RecordArrays& arrays, int raceCount) {
    return text::replaceFile(file, recordFileText(arrays, raceCount));
}

} // namespace tallowmere
