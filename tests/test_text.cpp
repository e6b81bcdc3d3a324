// Texts cut to a number of bytes keep their letters whole.
#include <gtest/gtest.h>

#include "text.h"

namespace {

TEST(Text, ACutKeepsOnlyWholeLetters)
{
    // Two, three and four bytes a letter; the budget ends inside the last.
    EXPECT_EQ(wholeCharactersWithin("abÄ", 3), 2U);
    EXPECT_EQ(wholeCharactersWithin("a€", 3), 1U);
    EXPECT_EQ(wholeCharactersWithin("a🌙", 4), 1U);
    EXPECT_EQ(wholeCharactersWithin("a🌙b", 5), 5U);
    // Plain text and bytes that begin no letter are cut at the budget.
    EXPECT_EQ(wholeCharactersWithin("abcdef", 4), 4U);
    EXPECT_EQ(wholeCharactersWithin("\x80\x80\x80\x80\x80", 4), 4U);
    EXPECT_EQ(wholeCharactersWithin("ab\xff\x80", 3), 3U);
    EXPECT_EQ(wholeCharactersWithin("ab", 9), 2U);
}

} // namespace
