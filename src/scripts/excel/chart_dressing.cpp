#include "scripts/excel/chart_dressing.h"

#include <optional>

#include "scripts/excel/chart_constants.h"
#include "scripts/excel/chart_text.h"
#include "scripts/excel/ignore_failure.h"

namespace tabulo::excel {
namespace {

const ChartFont kTitleFont{"Arial", true, 14};

}  // namespace

void ChartDressing::FallBackFromPie() {
  if (!is_pie_ || look_.pies_allowed) return;
  IgnoringFailure([&] { chart_.SetType(ChartType::kColumnClustered); });
  is_pie_ = false;
}

void ChartDressing::SetTypeOrTemplate() {
  if (!look_.template_path.empty()) {
    is_pie_ = IsPieChartType(chart_.ApplyChartTemplate(look_.template_path));
    FallBackFromPie();
    chart_.SetAutoScaleFont(false);
    return;
  }
  if (look_.type.IsUserDefined()) {
    IgnoringFailure([&] { chart_.SetType(ChartType::kColumnClustered); });
  } else {
    is_pie_ = look_.type.IsPie();
    IgnoringFailure([&] { chart_.SetType(look_.type.type); });
    IgnoringFailure([&] { chart_.ApplyCustomType(look_.type.type); });
  }
  IgnoringFailure([&] { chart_.SetAutoScaleFont(false); });
}

void ChartDressing::ApplyUserDefinedType() {
  if (!look_.template_path.empty() || !look_.type.IsUserDefined()) return;
  std::optional<ChartType> result;
  IgnoringFailure([&] { result = chart_.ApplyCustomType(look_.type.user_defined_name); });
  if (result) {
    is_pie_ = IsPieChartType(*result);
    FallBackFromPie();
    return;
  }
  IgnoringFailure([&] { chart_.SetHasTitle(true); });
  IgnoringFailure([&] { chart_.SetTitleFont(kTitleFont); });
  IgnoringFailure([&] { chart_.SetAxisHasTitle(ChartAxis::kCategory, true); });
  IgnoringFailure([&] { chart_.SetAxisHasTitle(ChartAxis::kValue, true); });
}

void ChartDressing::ClearDataLabels() {
  if (!look_.template_path.empty() || look_.type.IsUserDefined()) chart_.ClearDataLabels();
}

void ChartDressing::SetChartTitle(std::string_view title) {
  const bool user_defined = look_.type.IsUserDefined();
  IgnoringFailure([&] {
    if (user_defined && !chart_.HasTitle()) return;
    const std::string text = CutToCharacters(PlainText(exporter_, title), conMaxChartLabelLength);
    if (text.empty()) {
      chart_.SetHasTitle(false);
      return;
    }
    chart_.SetHasTitle(true);
    chart_.SetTitleText(text);
    if (!user_defined) chart_.SetTitleFont(kTitleFont);
  });
}

void ChartDressing::SetAxisLabel(ChartAxis axis, std::string_view label) {
  IgnoringFailure([&] {
    if (look_.type.IsUserDefined() && !chart_.AxisHasTitle(axis)) return;
    const std::string text = CutToCharacters(PlainText(exporter_, label), conMaxChartLabelLength);
    if (text.empty()) {
      chart_.SetAxisHasTitle(axis, false);
      return;
    }
    chart_.SetAxisHasTitle(axis, true);
    chart_.SetAxisTitleText(axis, text);
    if (axis == ChartAxis::kCategory) {
      chart_.SetCategoryTickLabelSpacing(1);
      chart_.SetCategoryTickMarkSpacing(1);
    }
  });
}

}  // namespace tabulo::excel
