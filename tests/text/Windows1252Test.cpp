#include "text/Windows1252.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;

TEST(Windows1252, DecodesLatinLettersAndTheHighControlsRangeAndTypedTextTurnsBack) {
    const std::string bytes = "Ca\xF1on \x80 \x93x\x94 \x99\x81";
    const std::string utf8 =
        "Ca\xC3\xB1on \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xE2\x84\xA2\xC2\x81";
    EXPECT_EQ(utf8FromWindows1252(bytes), utf8);
    EXPECT_EQ(windows1252FromUtf8(utf8), bytes);
}

TEST(Windows1252, ACharacterWithoutAByteOrABrokenSequenceBecomesAQuestionMark) {
    EXPECT_EQ(windows1252FromUtf8("\xE2\x88\x9A"), "?");
    EXPECT_EQ(windows1252FromUtf8("a\xC3"), "a?");
    EXPECT_EQ(windows1252FromUtf8("\xFF"), "?");
}
