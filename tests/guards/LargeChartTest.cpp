// Auto Record on a results chart of 50 MB: what it records is what the plain
// chart gives, and CTest's timeout guards the time.
#include "card/RecordFile.h"
#include "results/ResultsCommands.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

const std::filesystem::path samples = TALLOWMERE_SAMPLES;

// The record file's text after Auto Record on the sample card with this chart.
std::string recordedWith(const std::string& chart) {
    TestWindow window;
    window.form.ActiveCardFile = "   CT_20261205.pmd";
    window.form.Label8.caption = "1";
    writeFile(window.folder / "TrackEditor.ini", readFile(samples / "TrackEditor.ini"));
    writeFile(window.root().resultsFolder() / "   CT_20261205.pmr", chart);
    EBET_Click(window.form);
    return recordFileText(window.form.Records, 9);
}

} // namespace

TEST(LargeCharts, RecordWhatThePlainChartRecords) {
    const std::string plain = readFile(samples / "results.pmr");
    const std::string expected = recordedWith(plain);
    ASSERT_NE(expected.find("12,345.60"), std::string::npos);

    std::string filler;
    const std::string line = "Weather Clear   Track Fast   Turf Firm   Attendance 12,000\r\n";
    while (filler.size() < 50'000'000)
        filler += line;
    EXPECT_EQ(recordedWith(plain + filler), expected) << "50 MB of other lines";
    EXPECT_EQ(recordedWith(plain + std::string(50'000'000, 'x')), expected) << "a line of 50 MB";
}
