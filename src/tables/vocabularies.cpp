#include "tables/vocabularies.h"

#include <array>

#include "tables/ascii_case.h"

namespace tabulo::tables {
namespace {

constexpr std::array<std::string_view, 35> kElementTypes = {"Category",
                                                            "Base",
                                                            "TableStatistic",
                                                            "EffectiveBase",
                                                            "SumWeightsSquared",
                                                            "SumN",
                                                            "SumX",
                                                            "SumXSquared",
                                                            "SumUnweightedN",
                                                            "Mean",
                                                            "StdDev",
                                                            "StdErr",
                                                            "SampleVar",
                                                            "Total",
                                                            "SubTotal",
                                                            "Text",
                                                            "NetDiffs",
                                                            "PairedPrefs",
                                                            "Minimum",
                                                            "Maximum",
                                                            "OtherDerived",
                                                            "Net",
                                                            "Combine",
                                                            "Expression",
                                                            "UnweightedBase",
                                                            "Numeric",
                                                            "Derived",
                                                            "Sum",
                                                            "Median",
                                                            "Percentile",
                                                            "Mode",
                                                            "Profile",
                                                            "ProfileResult",
                                                            "TValue",
                                                            "TProb"};

constexpr std::array<std::string_view, 32> kCellItemTypes = {"Count",
                                                             "ColPercent",
                                                             "RowPercent",
                                                             "TotalPercent",
                                                             "Mean",
                                                             "Sum",
                                                             "Minimum",
                                                             "Maximum",
                                                             "UnweightedCounts",
                                                             "CumColPercent",
                                                             "CumRowPercent",
                                                             "Range",
                                                             "Mode",
                                                             "Median",
                                                             "Percentile",
                                                             "StdDev",
                                                             "StdErr",
                                                             "Variance",
                                                             "Residuals",
                                                             "AdjustedResiduals",
                                                             "ExpectedValues",
                                                             "ValidN",
                                                             "Indices",
                                                             "ColPropResults",
                                                             "ColBase",
                                                             "RowBase",
                                                             "UnweightedColBase",
                                                             "UnweightedRowBase",
                                                             "ProfileResult",
                                                             "CellChiSquare",
                                                             "ColRanks",
                                                             "RowRanks"};

constexpr std::array<std::string_view, 8> kAnnotationPositions = {
    "TitleHeader", "LeftHeader", "CenterHeader", "RightHeader",
    "TitleFooter", "LeftFooter", "CenterFooter", "RightFooter"};

constexpr std::array<std::string_view, 5> kImagePositions = {"Left", "Right", "Top", "Bottom", "ImageOnly"};

template <typename Code, std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, Code code) {
  auto index = static_cast<std::size_t>(code);
  return index < N ? names[index] : std::string_view{};
}

}  // namespace

std::span<const std::string_view> ElementTypeNames() { return kElementTypes; }
std::span<const std::string_view> CellItemTypeNames() { return kCellItemTypes; }
std::span<const std::string_view> AnnotationPositionNames() { return kAnnotationPositions; }
std::span<const std::string_view> ImagePositionNames() { return kImagePositions; }

std::string_view ElementTypeName(ElementType type) { return NameOf(kElementTypes, type); }
std::string_view CellItemTypeName(CellItemType type) { return NameOf(kCellItemTypes, type); }
std::string_view AnnotationPositionName(AnnotationPosition position) {
  return NameOf(kAnnotationPositions, position);
}
std::string_view ImagePositionName(ImagePosition position) { return NameOf(kImagePositions, position); }

std::optional<std::uint8_t> FindCode(std::span<const std::string_view> names, std::string_view value) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualsIgnoringCase(names[i], value)) return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

}  // namespace tabulo::tables
