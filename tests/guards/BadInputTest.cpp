// Every bad input is skipped as its command skips a failing step, or told in
// a clear message; CTest's timeout guards each row's time.
#include "guards/BadInputs.h"
#include "text/FileLock.h"

#include <gtest/gtest.h>
#include <map>

using namespace tallowmere::testing;

// Every file under `root` with its bytes (start-up makes the card folders),
// but the lock file a program holds on the data root while it runs.
static std::map<std::filesystem::path, std::string> filesUnder(const Root& root) {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root))
        if (item.is_regular_file() && item.path() != tallowmere::text::dataRootLockFile(root))
            files[item.path()] = readFile(item.path());
    return files;
}

namespace tallowmere::testing {
void PrintTo(const BadInput& input, std::ostream* out) {
    *out << input.name;
}
} // namespace tallowmere::testing

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, IsSkippedOrTold) {
    const BadInput& input = GetParam();
    TempFolder spoiled;
    makePlainRoot(spoiled.path());
    if (input.spoil)
        input.spoil(spoiled.path());
    const auto before = input.unchanged ? filesUnder(spoiled.path()) : decltype(filesUnder({})){};
    const Said said = runOn(spoiled.path(), input.commands);
    EXPECT_EQ(said.status, input.status);
    EXPECT_EQ(said.text, input.said);
    if (input.unchanged) {
        EXPECT_EQ(filesUnder(spoiled.path()), before) << "nothing was written";
    }
    if (!input.asPlain.empty()) {
        TempFolder plain;
        makePlainRoot(plain.path());
        runOn(plain.path(), input.commands);
        const std::string expected = readFile(plain / input.asPlain);
        ASSERT_FALSE(expected.empty());
        EXPECT_TRUE(readFile(spoiled / input.asPlain).ends_with(expected)) << input.asPlain;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputTest, ::testing::ValuesIn(badInputs()),
                         [](const auto& row) { return row.param.name; });
