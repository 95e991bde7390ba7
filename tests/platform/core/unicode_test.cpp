#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <gtest/gtest.h>

using namespace paginor;

TEST(Unicode, Utf8RoundTripAndMalformedInput) {
    std::u16string mixed = u"Grüße – 文書 \U0001F4C4";
    EXPECT_EQ(from_utf8(to_utf8(mixed)), mixed);
    EXPECT_EQ(to_utf8(u"\U0001F4C4"), "\xF0\x9F\x93\x84");
    // A lone surrogate, a truncated sequence, an overlong form and a stray continuation
    // byte each become one replacement character; nothing after them is lost.
    EXPECT_EQ(to_utf8(std::u16string(1, char16_t(0xD800)) + u"a"), "\xEF\xBF\xBD"
                                                                   "a");
    EXPECT_EQ(from_utf8("a\xE2\x82"), u"a\uFFFD\uFFFD");
    EXPECT_EQ(from_utf8("\xC0\xAFz"), u"\uFFFD\uFFFDz");
    EXPECT_EQ(from_utf8("\x80x"), u"\uFFFDx");
}

TEST(Unicode, CodePageMapsWindows1252AndMarksTheRest) {
    EXPECT_EQ(to_codepage(u"€ café"), "\x80 caf\xE9");
    EXPECT_EQ(to_codepage(u"文\U0001F4C4"), "??");
    EXPECT_EQ(from_codepage("\x80\x93\xE9\x81"), u"€“é\u0081");
    EXPECT_TRUE(equals_ignore_case(u"TheHits", u"THEHITS"));
    EXPECT_TRUE(equals_ignore_case(u"Ärger", u"äRGER"));
    EXPECT_FALSE(equals_ignore_case(u"TheHit", u"TheHits"));
}

// The numbering itself reaches hosts through guarded(): error_info_test.cpp.
TEST(RuntimeErrors, UnknownNumbersGetTheGenericText) {
    EXPECT_EQ(standard_error_text(12345), u"Application-defined or object-defined error");
}
