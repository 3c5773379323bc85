#include "office/spreadsheet/sheet_name.h"

#include <gtest/gtest.h>

#include <set>

namespace tabulo::office {
namespace {

TEST(SheetNameTest, AcceptsNamesWithinTheRules) {
  for (std::string_view good : {"T1", "T1_Ch", "Tabelle 1 (Kopie)", "Bob's", "a'b", "Résumé",
                                "1234567890123456789012345678901", "\xF0\x9F\x98\x80 x"}) {
    EXPECT_EQ(SheetNameProblem(good), std::nullopt) << good;
  }
}

TEST(SheetNameTest, RefusesNamesOfficeRefuses) {
  for (std::string_view bad :
       {"", "12345678901234567890123456789012", "a[b", "a]b", "a:b", "a*b", "a?b", "a/b", "a\\b", "'quoted",
        "quoted'", "history", "HISTORY", "tab\there", "bad\xFF"}) {
    EXPECT_NE(SheetNameProblem(bad), std::nullopt) << bad;
  }
  // 16 emoji are 32 UTF-16 units: one too many.
  std::string emoji;
  for (int i = 0; i < 16; ++i) emoji += "\xF0\x9F\x98\x80";
  EXPECT_NE(SheetNameProblem(emoji), std::nullopt);
}

TEST(SheetNameTest, ComparesWithoutLetterCase) {
  EXPECT_TRUE(SameSheetName("Sales", "SALES"));
  EXPECT_TRUE(SameSheetName("\xC3\x84pfel", "\xC3\xA4PFEL"));  // Äpfel, äPFEL
  EXPECT_FALSE(SameSheetName("Sales", "Sales2"));
  EXPECT_FALSE(SameSheetName("a", "b"));
  EXPECT_FALSE(SameSheetName("\xC3\x97", "\xC3\xB7"));  // the multiplication sign is no letter
  EXPECT_TRUE(SameSheetName("x\xFFy", "X\xFFY"));       // a malformed byte matches itself
  EXPECT_FALSE(SameSheetName("x\xFF", "x\xFE"));
}

TEST(SheetNameTest, KeysAreEqualExactlyForTheSameName) {
  EXPECT_EQ(SheetNameKey("T1 \xC3\x84"), "t1 \xC3\xA4");
  EXPECT_EQ(SheetNameKey("\xCE\x91"), "\xCE\x91");  // Greek capital alpha stays as it is
  EXPECT_EQ(SheetNameKey("a\xC3"), "a\xC3");
}

TEST(SheetNameTest, MakesNamesValid) {
  const auto none = [](std::string_view) { return false; };
  EXPECT_EQ(MakeValidSheetName("Q1: a/b [c]?", none), "Q1_ a_b _c__");
  EXPECT_EQ(MakeValidSheetName("'quoted'", none), "quoted");
  EXPECT_EQ(MakeValidSheetName("", none), "Sheet");
  EXPECT_EQ(MakeValidSheetName("'''", none), "Sheet");
  EXPECT_EQ(MakeValidSheetName("History", none), "History_");
  EXPECT_EQ(MakeValidSheetName("An overly long sheet name that goes on and on", none),
            "An overly long sheet name that ");
  // Cut on a character boundary: 30 ASCII letters and an é (one unit) fit, the next é does not.
  EXPECT_EQ(MakeValidSheetName(std::string(30, 'x') + "\xC3\xA9\xC3\xA9", none),
            std::string(30, 'x') + "\xC3\xA9");
  // 30 letters and an emoji (two units) would make 32: the emoji goes.
  EXPECT_EQ(MakeValidSheetName(std::string(30, 'x') + "\xF0\x9F\x98\x80", none), std::string(30, 'x'));
}

TEST(SheetNameTest, NumbersNamesThatAreTaken) {
  std::set<std::string> taken{"t1", "t1 (2)"};
  const auto is_taken = [&](std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return taken.contains(lower);
  };
  EXPECT_EQ(MakeValidSheetName("T1", is_taken), "T1 (3)");
  taken = {std::string(31, 'x')};
  EXPECT_EQ(MakeValidSheetName(std::string(40, 'X'), is_taken), std::string(27, 'X') + " (2)");
}

}  // namespace
}  // namespace tabulo::office
