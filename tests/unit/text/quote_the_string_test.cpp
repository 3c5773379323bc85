#include "scripts/text/quote_the_string.h"

#include <gtest/gtest.h>

namespace tabulo::text {
namespace {

TEST(TextQuoteTheStringTest, TrimsSpacesDoublesQuotesAndEncloses) {
  EXPECT_EQ(QuoteTheString("  say \"hi\"  "), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(QuoteTheString(""), "\"\"");
  EXPECT_EQ(QuoteTheString("   "), "\"\"");
  EXPECT_EQ(QuoteTheString("\"\""), "\"\"\"\"\"\"");
}

TEST(TextQuoteTheStringTest, KeepsTabsAndOtherWhiteSpace) { EXPECT_EQ(QuoteTheString("\ta b\t"), "\"\ta b\t\""); }

TEST(TextQuoteTheStringTest, QuotesALabelOnlyWhenItWouldSplitItsLine) {
  EXPECT_EQ(QuoteIfItSplitsTheLine(" Male ", "\t"), " Male ");
  EXPECT_EQ(QuoteIfItSplitsTheLine("a\tb", "\t"), "\"a\tb\"");
  EXPECT_EQ(QuoteIfItSplitsTheLine("a,b", ","), "\"a,b\"");
  EXPECT_EQ(QuoteIfItSplitsTheLine("a,b", "\t"), "a,b");
  EXPECT_EQ(QuoteIfItSplitsTheLine("5\" disk", "\t"), "\"5\"\" disk\"");
  EXPECT_EQ(QuoteIfItSplitsTheLine("two\r\nlines", "\t"), "\"two\r\nlines\"");
  EXPECT_EQ(QuoteIfItSplitsTheLine("one\nline", "\t"), "\"one\nline\"");
}

}  // namespace
}  // namespace tabulo::text
