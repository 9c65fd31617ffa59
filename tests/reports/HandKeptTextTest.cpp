#include "reports/HandKeptText.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

// Columns 1-3 the code, 5-24 the name, 25-27 and 32-34 the speeds, 37-39 the size.
std::string trackLine(std::string code, std::string sprint, std::string mile, std::string size) {
    code.resize(4, ' ');
    sprint.resize(7, ' ');
    mile.resize(5, ' ');
    return code + "Churchill Downs     " + sprint + mile + size;
}

struct LineCase {
    EditedFile kind;
    std::string line;
    bool marked;
};

} // namespace

TEST(HandKeptLines, MarksWhatTheProgramCannotRead) {
    const std::string counts = "   1    0    0    0      .00";
    const std::vector<LineCase> cases = {
        {EditedFile::TrackList, trackLine("CD", "112", "109", "1.M"), false},
        {EditedFile::TrackList, trackLine("CD", "", "", ""), false},
        {EditedFile::TrackList, trackLine("CD", "-3", "1.5", "1/2"), false},
        {EditedFile::TrackList, "CD", false},
        {EditedFile::TrackList, "", false},
        {EditedFile::TrackList, trackLine("", "112", "109", "1.M"), true},
        {EditedFile::TrackList, "     ", true},
        {EditedFile::TrackList, trackLine("CD", "1x2", "109", "5/8"), true},
        {EditedFile::TrackList, trackLine("CD", "112", "fast", "7/8"), true},
        {EditedFile::TrackList, trackLine("CD", "112", "109", "1.m"), true},
        {EditedFile::TrackList, trackLine("CD", "112", "109", "3/4"), true},
        {EditedFile::TrackList, trackLine("CD", "112", "109", "1.Q"), false},
        {EditedFile::Archive, "   CD_20261205  9" + counts, false},
        {EditedFile::Archive, "  AQU_20261205 12", false},
        {EditedFile::Archive, "", false},
        {EditedFile::Archive, "     _20261205  9" + counts, true},
        {EditedFile::Archive, "   CD_20261205  x" + counts, true},
        {EditedFile::Archive, "   CD_20261205   " + counts, true},
        {EditedFile::Archive, "   CD_20261205", true},
        {EditedFile::ResultsChart, "", false},
        {EditedFile::ResultsChart, "     ??", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programCannotRead(c.kind, c.line), c.marked) << c.line;
}

TEST(HandKeptLines, CountsTheEditorsLinesFromZeroAndReadsTheirColumnsAsBytes) {
    // "é" is two bytes in UTF-8 but one column of the file.
    const std::string good = trackLine("CD", "112", "109", "1.M");
    std::string accented = good;
    accented.replace(5, 1, "\xC3\xA9");
    const std::string text = good + "\n\n" + trackLine("", "1", "1", "") + "\n" + accented;
    EXPECT_EQ(unreadableLines(EditedFile::TrackList, text), (std::vector<std::size_t>{2}));
    EXPECT_TRUE(unreadableLines(EditedFile::ResultsChart, "   \n   ").empty());
}

TEST(HandKeptLines, KeepsTheFilesLineEndAndItsLastOne) {
    struct Case {
        std::string bytes;
        LineEnd end;
        bool ended;
    };
    const std::vector<Case> cases = {{"a\r\nb\r\n", LineEnd::CrLf, true},
                                     {"a\nb", LineEnd::Lf, false},
                                     {"a\rb\r", LineEnd::Cr, true},
                                     {"", LineEnd::CrLf, true},
                                     {"one line", LineEnd::CrLf, false}};
    for (const auto& c : cases) {
        const LineLayout layout = lineLayoutOf(c.bytes);
        EXPECT_EQ(layout.lineEnd, c.end) << c.bytes;
        EXPECT_EQ(layout.endsWithLineEnd, c.ended) << c.bytes;
        const auto written = fileBytesOf(editorTextOf(c.bytes), layout);
        EXPECT_EQ(std::get<std::string>(written), c.bytes);
    }
    EXPECT_EQ(editorTextOf("a\r\n\r\nb\n\xE9"), "a\n\nb\n\xC3\xA9");
    EXPECT_EQ(std::get<std::string>(fileBytesOf("\xE2\x82\xAC \xC3\xA9?", {})), "\x80 \xE9?\r\n");
}

TEST(HandKeptLines, NamesTheFirstCharacterWindows1252CannotHold) {
    const auto written = fileBytesOf("ok\n\xC3\xA9t\xC3\xA9\nCa\xC4\x81n \xE2\x9C\x93", {});
    ASSERT_TRUE(std::holds_alternative<Unencodable>(written));
    const auto& refused = std::get<Unencodable>(written);
    EXPECT_EQ(refused.character, "\xC4\x81");
    EXPECT_EQ(refused.codePoint, U'\u0101');
    EXPECT_EQ(refused.line, 3u);
    EXPECT_EQ(unencodableText("/work/TrackEditor.ini", refused),
              "TrackEditor.ini was not saved: line 3 holds \"\xC4\x81\" (U+0101), a character the "
              "file cannot hold in its Windows-1252 encoding. Change it and save again.");
}
