#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tabulo::tables {

// The value lists of the Tables XML. Each enumerator's value is the code the
// model stores; the names are the attribute values, in code order.

enum class ElementType : std::uint8_t {
  kCategory,
  kBase,
  kTableStatistic,
  kEffectiveBase,
  kSumWeightsSquared,
  kSumN,
  kSumX,
  kSumXSquared,
  kSumUnweightedN,
  kMean,
  kStdDev,
  kStdErr,
  kSampleVar,
  kTotal,
  kSubTotal,
  kText,
  kNetDiffs,
  kPairedPrefs,
  kMinimum,
  kMaximum,
  kOtherDerived,
  kNet,
  kCombine,
  kExpression,
  kUnweightedBase,
  kNumeric,
  kDerived,
  kSum,
  kMedian,
  kPercentile,
  kMode,
  kProfile,
  kProfileResult,
  kTValue,
  kTProb
};

enum class CellItemType : std::uint8_t {
  kCount,
  kColPercent,
  kRowPercent,
  kTotalPercent,
  kMean,
  kSum,
  kMinimum,
  kMaximum,
  kUnweightedCounts,
  kCumColPercent,
  kCumRowPercent,
  kRange,
  kMode,
  kMedian,
  kPercentile,
  kStdDev,
  kStdErr,
  kVariance,
  kResiduals,
  kAdjustedResiduals,
  kExpectedValues,
  kValidN,
  kIndices,
  kColPropResults,
  kColBase,
  kRowBase,
  kUnweightedColBase,
  kUnweightedRowBase,
  kProfileResult,
  kCellChiSquare,
  kColRanks,
  kRowRanks
};

enum class AnnotationPosition : std::uint8_t {
  kTitleHeader,
  kLeftHeader,
  kCenterHeader,
  kRightHeader,
  kTitleFooter,
  kLeftFooter,
  kCenterFooter,
  kRightFooter
};

enum class ImagePosition : std::uint8_t { kLeft, kRight, kTop, kBottom, kImageOnly };

std::span<const std::string_view> ElementTypeNames();
std::span<const std::string_view> CellItemTypeNames();
std::span<const std::string_view> AnnotationPositionNames();
std::span<const std::string_view> ImagePositionNames();

// "Category", "ColPercent", ...: the name of a code, as CSS classes use it.
std::string_view ElementTypeName(ElementType type);
std::string_view CellItemTypeName(CellItemType type);
std::string_view AnnotationPositionName(AnnotationPosition position);
std::string_view ImagePositionName(ImagePosition position);

// The code of the list entry equal to `value` without regard to ASCII
// letter case, or nullopt.
std::optional<std::uint8_t> FindCode(std::span<const std::string_view> names, std::string_view value);

}  // namespace tabulo::tables
