#include "chooser/ChooserArguments.h"

#include <gtest/gtest.h>

using namespace tallowmere::chooser;

namespace {

using Args = std::vector<std::string>;

ChooserRequest requestOf(const Args& arguments) {
    const auto parsed = parseChooserArguments(arguments);
    EXPECT_TRUE(std::holds_alternative<ChooserRequest>(parsed));
    return std::holds_alternative<ChooserRequest>(parsed) ? std::get<ChooserRequest>(parsed)
                                                          : ChooserRequest{};
}

std::string refusalOf(const Args& arguments) {
    const auto parsed = parseChooserArguments(arguments);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "";
}

TEST(ChooserArguments, TheFoldersArePassedOnToTheRestartedProgramOrAreTheUsualOnes) {
    const auto request =
        requestOf({"--data-root", "/d/A TallowmereTB PRO", "--work-dir", "/w", "card.zip"});
    EXPECT_EQ(request.source, "card.zip");
    EXPECT_TRUE(request.restart);
    EXPECT_EQ(dataRootOf(request), "/d/A TallowmereTB PRO");
    EXPECT_EQ(restartArguments(request),
              Args({"--data-root", "/d/A TallowmereTB PRO", "--work-dir", "/w"}));
    // Without options: the usual data root and no source.
    const auto plain = requestOf({"--no-restart"});
    EXPECT_FALSE(plain.source || plain.restart);
    EXPECT_EQ(dataRootOf(plain).filename(), "A TallowmereTB PRO");
    EXPECT_TRUE(restartArguments(plain).empty());
    EXPECT_EQ(restartArguments(requestOf({"--work-dir", "w"})), Args({"--work-dir", "w"}));
}

TEST(ChooserArguments, MistakesAreNamed) {
    for (const auto& [arguments, refusal] :
         std::vector<std::pair<Args, std::string>>{{{"--data-root"}, "bad option --data-root"},
                                                   {{"--data-root", ""}, "bad option --data-root"},
                                                   {{"--restart", "card"}, "bad option --restart"},
                                                   {{"one", "two"}, "a second card two"},
                                                   {{""}, "an empty card name"}})
        EXPECT_EQ(refusalOf(arguments), refusal) << refusal;
}

} // namespace
