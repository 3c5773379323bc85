#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::office {

// The rules a worksheet name must meet to be accepted by Office: 1 to 31
// characters (UTF-16 units), none of [ ] : * ? / \, no control character,
// not beginning or ending with an apostrophe, and not "History" (reserved,
// in any letter case).
inline constexpr std::size_t kMaxSheetNameLength = 31;

// Why the name breaks the rules; nullopt for a valid name. Uniqueness is the
// workbook's to check.
std::optional<std::string> SheetNameProblem(std::string_view name);

// Sheet names are unique without regard to letter case: ASCII and the
// Latin-1 letters are folded (sheet names in other scripts are compared as
// they are).
bool SameSheetName(std::string_view a, std::string_view b);
// The name with its letters folded as SameSheetName folds them: two names
// are the same exactly when their keys are equal, so keys can index sheets.
std::string SheetNameKey(std::string_view name);

// A valid name as close to `name` as the rules allow: forbidden and control
// characters become "_", apostrophes at either end are dropped, the text is
// cut to 31 characters (never inside a character), an empty result becomes
// "Sheet", "History" becomes "History_"; when `is_taken` says the result is
// used, " (2)", " (3)", ... is appended (cutting the name to make room).
std::string MakeValidSheetName(std::string_view name, const std::function<bool(std::string_view)>& is_taken);

}  // namespace tabulo::office
