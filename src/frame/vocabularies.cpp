#include "frame/vocabularies.h"

#include <algorithm>
#include <array>

namespace tabulo::frame {
namespace {

constexpr char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::array<VocabularyEntry, 4> kDisplayOptions{
    {{"Table Only", 0}, {"Table and Chart", 1}, {"Chart and Table", 2}, {"Chart Only", 3}}};

constexpr std::array<VocabularyEntry, 4> kChartStructures{
    {{"No chart", 0}, {"Per element", 1}, {"Per variable", 2}, {"Per table", 3}}};

constexpr std::array<VocabularyEntry, 19> kChartTypes{{
    {"Clustered Bar", 3},
    {"Stacked Bar", 4},
    {"3D Clustered Bar", 51},
    {"3D Stacked Bar", 52},
    {"Clustered Column", 0},
    {"Stacked Column", 1},
    {"3D Clustered Column", 47},
    {"3D Stacked Column", 48},
    {"3D Column", 46},
    {"Line", 6},
    {"Stacked Line", 8},
    {"Line with Markers", 7},
    {"100% Stacked Line with Markers", 11},
    {"Pie", 18},
    {"3D Pie", 58},
    {"Separated Pie", 19},
    {"3D Separated Pie", 59},
    {"No Chart", -1},
    {"Variable Preview", -2},
}};

constexpr std::array<VocabularyEntry, 18> kChartCellItems{{
    {"Count", 0},
    {"ColPercent", 1},
    {"RowPercent", 2},
    {"TotalPercent", 3},
    {"Mean", 4},
    {"Sum", 5},
    {"Minimum", 6},
    {"Maximum", 7},
    {"UnweightedCounts", 8},
    {"CumColPercent", 9},
    {"CumRowPercent", 10},
    {"Range", 11},
    {"Mode", 12},
    {"Median", 13},
    {"Percentile", 14},
    {"StdDev", 15},
    {"StdErr", 16},
    {"Variance", 17},
}};

constexpr std::array<VocabularyEntry, 3> kLayoutStyles{
    {{"Single Document", 0}, {"Table of Contents", 1}, {"Frame Table of Contents", 2}}};

constexpr std::array<VocabularyEntry, 5> kPresentationStyles{
    {{"Default", 0}, {"Black and White", 1}, {"Custom1", 2}, {"Custom2", 3}, {"Custom3", 4}}};

constexpr std::array<VocabularyEntry, 3> kChartImageFormats{{{"gif", 0}, {"png", 1}, {"svg", 2}}};
constexpr std::array<VocabularyEntry, 3> kPrintingOptions{
    {{"Repeat Axes", 0}, {"Fit to page", 1}, {"None", 2}}};

}  // namespace

bool EqualsAsciiIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::optional<int> LookupVocabulary(std::span<const VocabularyEntry> vocabulary, std::string_view value) {
  for (const VocabularyEntry& entry : vocabulary) {
    if (EqualsAsciiIgnoringCase(entry.value, value)) return entry.code;
  }
  return std::nullopt;
}

std::span<const VocabularyEntry> DisplayOptions() { return kDisplayOptions; }
std::span<const VocabularyEntry> ChartStructures() { return kChartStructures; }
std::span<const VocabularyEntry> ChartTypes() { return kChartTypes; }
std::span<const VocabularyEntry> ChartCellItems() { return kChartCellItems; }
std::span<const VocabularyEntry> LayoutStyles() { return kLayoutStyles; }
std::span<const VocabularyEntry> PresentationStyles() { return kPresentationStyles; }
std::span<const VocabularyEntry> PrintingOptions() { return kPrintingOptions; }
std::span<const VocabularyEntry> ChartImageFormats() { return kChartImageFormats; }

}  // namespace tabulo::frame
