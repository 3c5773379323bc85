#include "platform/message_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulo::platform {
namespace {

std::optional<std::string> Format(std::string_view pattern, const std::vector<std::string>& inserts = {}) {
  return FormatMessageText(pattern, inserts);
}

TEST(FormatMessageTextTest, ReplacesInsertsWithTheirStrings) {
  EXPECT_EQ(Format("Error setting node %1!s! with %2!s!", {"/p/value", "text"}),
            "Error setting node /p/value with text");
  EXPECT_EQ(Format("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(Format("%1%1", {"ab"}), "abab");
}

TEST(FormatMessageTextTest, AnyPrintfFormatInsertsTheString) {
  EXPECT_EQ(Format("[%1!d!] [%2!-10s!]", {"x", "y"}), "[x] [y]");
}

TEST(FormatMessageTextTest, AnUnclosedFormatStaysText) {
  EXPECT_EQ(Format("%1!s and more", {"a"}), "a!s and more");
}

TEST(FormatMessageTextTest, ReadsAtMostTwoDigits) {
  std::vector<std::string> inserts;
  for (int i = 1; i <= 12; ++i) inserts.push_back("i" + std::to_string(i));
  EXPECT_EQ(Format("%12|%10|%100", inserts), "i12|i10|i100");
  EXPECT_EQ(Format("%1x", inserts), "i1x");
}

TEST(FormatMessageTextTest, InsertedStringsAreNotScannedAgain) {
  EXPECT_EQ(Format("%1!s!", {"50% of %1 %n"}), "50% of %1 %n");
}

TEST(FormatMessageTextTest, EscapesHaveTheirSystemMeaning) {
  EXPECT_EQ(Format("100%% done%nnext%tcol%r"), "100% done\r\nnext\tcol\r");
  EXPECT_EQ(Format("a%.b%!c% d"), "a.b!c d");
  EXPECT_EQ(Format("%q"), "q");
}

TEST(FormatMessageTextTest, PercentZeroEndsTheOutput) {
  EXPECT_EQ(Format("first%0second %1", {}), "first");
  EXPECT_EQ(Format("%0"), "");
}

TEST(FormatMessageTextTest, KeepsATrailingPercentAndPlainText) {
  EXPECT_EQ(Format("50%"), "50%");
  EXPECT_EQ(Format("no inserts at all"), "no inserts at all");
  EXPECT_EQ(Format(""), "");
  EXPECT_EQ(Format("Gr\xC3\xB6\xC3\x9F"
                   "e %1",
                   {"\xE2\x82\xAC"}),
            "Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC");
}

TEST(FormatMessageTextTest, MissingInsertsFail) {
  EXPECT_EQ(Format("Error setting node %1!s! with %2!s!", {"only one"}), std::nullopt);
  EXPECT_EQ(Format("%1"), std::nullopt);
  EXPECT_EQ(Format("%99", {"a"}), std::nullopt);
}

}  // namespace
}  // namespace tabulo::platform
