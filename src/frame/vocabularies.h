#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tabulo::frame {

// One value of a setting's vocabulary and the code the renderer works with.
struct VocabularyEntry {
  std::string_view value;
  int code;
};

// Vocabulary values compare with ASCII case folding only; an empty value
// matches only an empty entry.
std::optional<int> LookupVocabulary(std::span<const VocabularyEntry> vocabulary, std::string_view value);
bool EqualsAsciiIgnoringCase(std::string_view a, std::string_view b);

std::span<const VocabularyEntry> DisplayOptions();      // "Table Only" 0 ... "Chart Only" 3
std::span<const VocabularyEntry> ChartStructures();     // "No chart" 0 ... "Per table" 3
std::span<const VocabularyEntry> ChartTypes();          // "Clustered Bar" 3 ... "Variable Preview" -2
std::span<const VocabularyEntry> ChartCellItems();      // "Count" 0 ... "Variance" 17
std::span<const VocabularyEntry> LayoutStyles();        // "Single Document" 0 ...
std::span<const VocabularyEntry> PresentationStyles();  // "Default" 0 ... "Custom3" 4
std::span<const VocabularyEntry> PrintingOptions();     // "Repeat Axes" 0, "Fit to page" 1, "None" 2
std::span<const VocabularyEntry> ChartImageFormats();   // "gif" 0, "png" 1, "svg" 2

// Codes of texts outside the vocabulary, as the settings define them.
inline constexpr int kDefaultChartTypeCode = 0;      // clustered column
inline constexpr int kDefaultChartCellItemCode = 0;  // count

}  // namespace tabulo::frame
