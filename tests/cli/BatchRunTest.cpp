#include "cli/BatchRun.h"

#include "Season.h"
#include "SyntheticCard.h"
#include "support/SampleCard.h"
#include "support/TempFolder.h"

#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

using namespace tallowmere::testing;
namespace fs = std::filesystem;

namespace {

const fs::path fixtures(TALLOWMERE_FIXTURES);

// A case of tests/fixtures/cli/cases.txt: its steps, in order, as directive and value.
struct BatchCase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> steps;
};

void PrintTo(const BatchCase& batchCase, std::ostream* out) {
    *out << batchCase.name;
}

std::vector<BatchCase> batchCases() {
    std::vector<BatchCase> cases;
    std::ifstream in(fixtures / "cli" / "cases.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto colon = line.find(':');
        const std::string key = line.substr(0, colon);
        const std::string value =
            colon == std::string::npos ? "" : line.substr(colon + (line[colon + 1] == ' ' ? 2 : 1));
        if (key == "case")
            cases.push_back({value, {}});
        else
            cases.back().steps.emplace_back(key, value);
    }
    return cases;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::pair<std::string, std::string> arrowed(const std::string& value) {
    const auto arrow = value.find(" -> ");
    return {value.substr(0, arrow), value.substr(arrow + 4)};
}

// Each case runs in a fresh data root; ROOT names it in arguments and output.
struct BatchCaseTest : ::testing::TestWithParam<BatchCase> {
    TempFolder root;
    std::string out, err, expectedOut, expectedErr;
    std::vector<int> statuses, expectedStatuses;

    void run(const std::string& line) {
        std::vector<std::string> arguments = {"--data-root", root.path().string()};
        std::istringstream words(replaced(line, "ROOT", root.path().string()));
        for (std::string word; words >> word;)
            arguments.push_back(word);
        std::ostringstream o, e;
        statuses.push_back(tallowmere::cli::runBatch(arguments, o, e, "/opt/tm"));
        out += replaced(o.str(), root.path().string(), "ROOT");
        err += replaced(e.str(), root.path().string(), "ROOT");
        expectedStatuses.push_back(0);
    }

    void refused(const std::string& problem, const std::string& usage) {
        expectedErr += "tallowmere-cli: " + problem + "\n" + usage;
        expectedStatuses.back() = 2;
    }

    void step(const std::string& key, const std::string& value) {
        if (key == "card" || key == "card and chart")
            copySampleCard(root.path(), key != "card");
        else if (key == "copy") {
            const auto [from, to] = arrowed(value);
            fs::create_directories((root / to).parent_path());
            fs::copy_file(fixtures / from, root / to);
        } else if (key == "synthetic-card") {
            tallowmere::cardgen::CardRequest request;
            request.shape = {std::stoi(value), 3, 2};
            request.track = "SAR";
            writeCardTables(makeCard(request), root / "TrackMaster ExE Files");
        } else if (key == "season") {
            ASSERT_TRUE(tallowmere::cardgen::writeSeason({}, std::stoi(value), root / "season"));
            fs::copy_file(root / "season" / "TrackEditor.ini", root / "TrackEditor.ini");
        } else if (key == "folder")
            fs::create_directories(root / value);
        else if (key == "fifo")
            ASSERT_EQ(::mkfifo((root / value).c_str(), 0644), 0) << value;
        else if (key == "symlink")
            fs::create_symlink(arrowed(value).second, root / arrowed(value).first);
        else if (key == "remove")
            fs::remove_all(root / value);
        else if (key == "run")
            run(value);
        else if (key == "out")
            expectedOut += value + "\n";
        else if (key == "out-file")
            expectedOut += readFile(fixtures / value);
        else if (key == "refused")
            refused(value, "");
        else if (key == "failed")
            expectedStatuses.back() = 1;
        else if (key == "usage-error")
            refused(value, readFile(fixtures / "cli" / "usage.txt"));
        else if (key == "file")
            EXPECT_EQ(readFile(root / arrowed(value).first),
                      readFile(fixtures / arrowed(value).second))
                << value;
        else if (key == "empty")
            EXPECT_TRUE(fs::is_empty(root / value)) << value;
        else if (key == "absent")
            EXPECT_FALSE(fs::exists(root / value)) << value;
        else
            FAIL() << "unknown step " << key;
    }
};

TEST_P(BatchCaseTest, GivesItsExpectedOutputAndFiles) {
    for (const auto& [key, value] : GetParam().steps)
        step(key, value);
    EXPECT_EQ(out, expectedOut);
    EXPECT_EQ(err, expectedErr);
    EXPECT_EQ(statuses, expectedStatuses);
}

std::string testName(const ::testing::TestParamInfo<BatchCase>& info) {
    std::string name;
    bool upper = true;
    for (char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += upper ? char(std::toupper(static_cast<unsigned char>(c))) : c;
        upper = c == ' ';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchCaseTest, ::testing::ValuesIn(batchCases()), testName);

} // namespace
