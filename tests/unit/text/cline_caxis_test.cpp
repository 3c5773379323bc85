#include <gtest/gtest.h>

#include "scripts/text/caxis.h"
#include "scripts/text/cline.h"
#include "scripts/text/ctext_properties.h"
#include "text/text_export_support.h"

namespace tabulo::text {
namespace {

TEST(TextCLineTest, EverySlotAndTheTrailingEmptyOneEndWithTheDelimiter) {
  CLine line(";");
  EXPECT_EQ(line.ElementCount(), 0u);
  EXPECT_EQ(line.LineStr(), ";");
  line.SetElement(0, "A");
  EXPECT_EQ(line.LineStr(), "A;;");
  line.SetElement(1, "B");
  EXPECT_EQ(line.LineStr(), "A;B;;");
  line.SetElement(4, "E");
  EXPECT_EQ(line.ElementCount(), 5u);
  EXPECT_EQ(line.LineStr(), "A;B;;;E;;");
}

TEST(TextCLineTest, ReadingASlotGrowsTheLineToo) {
  CLine line(",");
  EXPECT_EQ(line.GetElement(2), "");
  EXPECT_EQ(line.ElementCount(), 3u);
  EXPECT_EQ(line.LineStr(), ",,,,");
}

TEST(TextCLineTest, PadRightShiftsTheElements) {
  CLine line(",");
  line.SetElement(0, "A");
  line.SetElement(1, "B");
  line.PadRight(1);
  EXPECT_EQ(line.ElementCount(), 3u);
  EXPECT_EQ(line.LineStr(), ",A,B,,");
  line.PadRight(2);
  EXPECT_EQ(line.LineStr(), ",,,A,B,,");
}

TEST(TextCLineTest, ClearKeepsTheFirstSlotAndClearAllNothing) {
  CLine line(",");
  line.SetElement(0, "A");
  line.SetElement(1, "B");
  line.Clear();
  EXPECT_EQ(line.ElementCount(), 0u);
  EXPECT_EQ(line.LineStr(), "A,");
  line.ClearAll();
  EXPECT_EQ(line.LineStr(), ",");
}

class TextCAxisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    properties_.SetPropertiesXML(testing::PropertiesXml("x", {{"FieldDelimiter", {3, "44"}}}));
    axis_.Props(properties_);
  }
  CTextProperties properties_;
  CAxis axis_;
};

TEST_F(TextCAxisTest, LeafCountIsTheLastLineWidthOnceTheAxisReachesTheDepth) {
  axis_.GetDataLine(0).SetElement(0, "V");
  axis_.GetDataLine(1).SetElement(2, "e");
  EXPECT_EQ(axis_.LeafCount(0), 3u);
  EXPECT_EQ(axis_.LeafCount(1), 3u);
  EXPECT_EQ(axis_.LeafCount(2), 0u);
  EXPECT_EQ(axis_.Height(), 2u);
  EXPECT_EQ(axis_.Width(), 3u);
  EXPECT_EQ(axis_.GetLine(5), nullptr);
}

TEST_F(TextCAxisTest, ShiftRightAndLineStrings) {
  axis_.GetDataLine(0).SetElement(0, "V");
  axis_.GetDataLine(1).SetElement(1, "e");
  axis_.ShiftRight(1);
  EXPECT_EQ(axis_.GetLineStr(0), ",V,,");
  EXPECT_EQ(axis_.GetLineStr(1), ",,e,,");
  EXPECT_EQ(axis_.GetLineStr(2), "");
}

TEST_F(TextCAxisTest, TransformToSideAxisTurnsLinesIntoColumns) {
  axis_.GetDataLine(0).SetElement(0, "V");
  axis_.GetDataLine(1).SetElement(0, "a");
  axis_.GetDataLine(1).SetElement(1, "b");
  axis_.TransformToSideAxis();
  EXPECT_EQ(axis_.LineCount(), 2u);
  EXPECT_EQ(axis_.GetLineStr(0), "V,a,,");
  EXPECT_EQ(axis_.GetLineStr(1), ",b,,");
}

TEST_F(TextCAxisTest, FlatItemsSetTheLeafFlagWhenRead) {
  axis_.InitFlatAxis();
  axis_.SetFlatItem("\"V\"", false);
  axis_.SetFlatItem("\"a\"", true);
  EXPECT_TRUE(axis_.IsFlat());
  EXPECT_EQ(axis_.Height(), 2u);
  EXPECT_EQ(axis_.Width(), 1u);
  EXPECT_EQ(axis_.GetLineStr(1), "\"a\"");
  EXPECT_TRUE(axis_.FlatLeaf());
  EXPECT_EQ(axis_.GetLineStr(0), "\"V\"");
  EXPECT_FALSE(axis_.FlatLeaf());
}

}  // namespace
}  // namespace tabulo::text
