#include "text/Windows1252.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;

TEST(Windows1252, DecodesLatinLettersAndTheHighControlsRange) {
    EXPECT_EQ(utf8FromWindows1252("Ca\xF1on"), "Ca\xC3\xB1on");
    EXPECT_EQ(utf8FromWindows1252("\x80 \x93x\x94 \x99"),
              "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xE2\x84\xA2");
    EXPECT_EQ(utf8FromWindows1252("\x81"), "\xC2\x81");
    EXPECT_EQ(utf8FromWindows1252("plain"), "plain");
}

TEST(Windows1252, TypedTextTurnsBackIntoTheSameBytes) {
    const std::string bytes = "Ca\xF1on \x80 \x93x\x94 \xE9";
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(bytes)), bytes);
}

TEST(Windows1252, ACharacterWithoutAByteOrABrokenSequenceBecomesAQuestionMark) {
    EXPECT_EQ(windows1252FromUtf8("\xE2\x88\x9A"), "?");
    EXPECT_EQ(windows1252FromUtf8("a\xC3"), "a?");
    EXPECT_EQ(windows1252FromUtf8("\xFF"), "?");
}
