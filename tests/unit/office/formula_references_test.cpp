#include "office/spreadsheet/formula_references.h"

#include <gtest/gtest.h>

#include "office/spreadsheet/workbook.h"

namespace tabulo::office {
namespace {

TEST(FormulaReferencesTest, AbsoluteAndRelativeReferences) {
  EXPECT_EQ(R1C1ToA1("='T1'!R5C3", {1, 1}), "='T1'!$C$5");
  EXPECT_EQ(R1C1ToA1("=R[1]C[-1]+RC[2]", {5, 4}), "=C6+F5");
  EXPECT_EQ(R1C1ToA1("=R1C", {2, 4}), "=D$1");
  EXPECT_EQ(R1C1ToA1("=SUM(R1C1:R2C2)", {9, 9}), "=SUM($A$1:$B$2)");
  EXPECT_EQ(R1C1ToA1("rc", {3, 3}), "C3");
}

TEST(FormulaReferencesTest, LeavesTextsNamesAndFunctionsAlone) {
  EXPECT_EQ(R1C1ToA1("=\"R1C1\"&ROUND(R1C1,0)", {1, 1}), "=\"R1C1\"&ROUND($A$1,0)");
  EXPECT_EQ(R1C1ToA1("='R1C1 ''x'''!R1C1", {1, 1}), "='R1C1 ''x'''!$A$1");
  EXPECT_EQ(R1C1ToA1("=RC_total+MyR1C1+R2C3x", {1, 1}), "=RC_total+MyR1C1+R2C3x");
  EXPECT_EQ(R1C1ToA1("=\"unclosed", {1, 1}), "=\"unclosed");
}

TEST(FormulaReferencesTest, RefusesReferencesOutsideTheSheet) {
  EXPECT_THROW(R1C1ToA1("=R[-5]C", {1, 1}), std::invalid_argument);
  EXPECT_THROW(R1C1ToA1("=R1C16385", {1, 1}), std::invalid_argument);
  EXPECT_THROW(R1C1ToA1("=R0C1", {1, 1}), std::invalid_argument);
}

TEST(FormulaReferencesTest, ValueOfASingleReference) {
  Workbook workbook;
  Worksheet& table = workbook.AddWorksheet("T1");
  table.SetNumber({5, 3}, 0.25);
  table.SetText({4, 3}, "Male");
  Worksheet& other = workbook.AddWorksheet("Bob's");
  other.SetBoolean({1, 1}, true);
  other.SetFormula({2, 1}, "'T1'!$C$5", 0.25);
  EXPECT_EQ(ReferencedValue(workbook, "T1_Ch", "'T1'!$C$5"), CachedValue(0.25));
  EXPECT_EQ(ReferencedValue(workbook, "T1_Ch", "=t1!C4"), CachedValue(std::string("Male")));
  EXPECT_EQ(ReferencedValue(workbook, "T1", "C5"), CachedValue(0.25));
  EXPECT_EQ(ReferencedValue(workbook, "T1", "'Bob''s'!A1"), CachedValue(true));
  EXPECT_EQ(ReferencedValue(workbook, "T1", "'Bob''s'!A2"), CachedValue(0.25));
  EXPECT_EQ(ReferencedValue(workbook, "T1", "SUM(C5)"), CachedValue());
  EXPECT_EQ(ReferencedValue(workbook, "T1", "'None'!C5"), CachedValue());
  EXPECT_EQ(ReferencedValue(workbook, "T1", "C6"), CachedValue());
}

}  // namespace
}  // namespace tabulo::office
