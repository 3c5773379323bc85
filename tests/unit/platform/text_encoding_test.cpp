#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace tabulo::platform {
namespace {

TEST(TextEncodingTest, AnsiBytesBecomeTheirUnicodeCharacters) {
  EXPECT_EQ(AnsiToUtf8("caf\xE9 \x80 \x96 \x81"), "caf\u00e9 \u20ac \u2013 \u0081");
  EXPECT_EQ(AnsiToUtf8(""), "");
}

TEST(TextEncodingTest, Utf8GoesToAnsiWithQuestionMarksForWhatIsMissing) {
  EXPECT_EQ(Utf8ToAnsi("caf\u00e9 \u20ac \u2013 \u4e2d"), "caf\xE9 \x80 \x96 ?");
  EXPECT_EQ(Utf8ToAnsi("\xC3"), std::nullopt);
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), std::nullopt);  // an overlong "/"
}

TEST(TextEncodingTest, Utf16LittleEndianWithSurrogatePairs) {
  EXPECT_EQ(Utf16LeToUtf8(std::string("A\0\xE9\0=\xD8\0\xDE", 8)), "A\u00e9\U0001F600");
  EXPECT_EQ(Utf16LeToUtf8(std::string("A\0B", 3)), std::nullopt);
  EXPECT_EQ(Utf16LeToUtf8(std::string("\0\xDE", 2)), std::nullopt);
  EXPECT_EQ(Utf16LeToUtf8(std::string("=\xD8" "A\0", 4)), std::nullopt);
}

TEST(TextEncodingTest, ValidUtf8) {
  EXPECT_TRUE(IsValidUtf8("plain \u00e9 \U0001F600"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
  EXPECT_FALSE(IsValidUtf8("ab\x80"));
}

}  // namespace
}  // namespace tabulo::platform
