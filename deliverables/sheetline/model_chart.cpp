#include "sheetline/model_chart.h"

#include <string>
#include <type_traits>
#include <variant>

#include "office/chart/chart.h"
#include "office/xlsx/chart_drawing.h"

namespace tabulo::deliverables::sheetline {
namespace {

office::ChartType OfficeType(excel::ChartType type) { return static_cast<office::ChartType>(type); }
excel::ChartType ExcelType(office::ChartType type) { return static_cast<excel::ChartType>(type); }

office::ChartAxis OfficeAxis(excel::ChartAxis axis) { return static_cast<office::ChartAxis>(axis); }

// What a cell of the sheet shows to a chart: a formula shows its cached
// value, rich text its plain text.
office::ChartCell ShownCell(const office::Worksheet& sheet, office::CellRef ref) {
  office::ChartCell cell;
  cell.number_format = sheet.FormatAt(ref).number_format;
  auto shown = [&cell](const auto& value) {
    using Value = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, double> || std::is_same_v<Value, std::string>) {
      cell.value = value;
    } else if constexpr (std::is_same_v<Value, bool>) {
      cell.value = std::string(value ? "TRUE" : "FALSE");
    }
  };
  const office::CellValue value = sheet.ValueAt(ref);
  if (const auto* formula = std::get_if<office::Formula>(&value)) {
    std::visit(shown, formula->cached);
  } else if (const auto* runs = std::get_if<office::RichText>(&value)) {
    cell.value = office::PlainText(*runs);
  } else {
    std::visit(shown, value);
  }
  return cell;
}

// The logic's chart operations carried out on a chart of the model.
class ModelChart final : public excel::ExcelChart {
 public:
  ModelChart(const office::Worksheet& sheet, office::Chart& chart) : sheet_(sheet), chart_(chart) {}

  void SetType(excel::ChartType type) override { chart_.SetType(OfficeType(type)); }
  void ApplyCustomType(excel::ChartType type) override { chart_.ApplyCustomType(OfficeType(type)); }
  std::optional<excel::ChartType> ApplyCustomType(std::string_view user_defined_name) override {
    const std::optional<office::ChartType> type = chart_.ApplyCustomType(user_defined_name);
    if (!type) return std::nullopt;
    return ExcelType(*type);
  }
  excel::ChartType ApplyChartTemplate(std::string_view path) override {
    return ExcelType(chart_.ApplyChartTemplate(std::filesystem::path(path)));
  }

  void SetSourceData(const excel::CellRange& range) override {
    const office::CellRange cells{{range.first.row, range.first.column}, {range.last.row, range.last.column}};
    chart_.SetSourceData(sheet_.Name(), cells, [this](office::CellRef ref) { return ShownCell(sheet_, ref); });
  }

  void SetAutoScaleFont(bool on) override { chart_.SetAutoScaleFont(on); }
  void ClearDataLabels() override { chart_.ClearDataLabels(); }

  void SetHasLegend(bool shown) override { chart_.SetHasLegend(shown); }
  void SetLegendPosition(excel::LegendPosition position) override {
    chart_.SetLegendPosition(static_cast<office::LegendPosition>(position));
  }

  bool HasTitle() const override { return chart_.HasTitle(); }
  void SetHasTitle(bool shown) override { chart_.SetHasTitle(shown); }
  void SetTitleText(std::string_view text) override { chart_.SetTitleText(text); }
  void SetTitleFont(const excel::ChartFont& font) override {
    chart_.SetTitleFont(office::ChartFont{font.name, font.bold, font.size});
  }

  bool AxisHasTitle(excel::ChartAxis axis) const override { return chart_.AxisHasTitle(OfficeAxis(axis)); }
  void SetAxisHasTitle(excel::ChartAxis axis, bool shown) override {
    chart_.SetAxisHasTitle(OfficeAxis(axis), shown);
  }
  void SetAxisTitleText(excel::ChartAxis axis, std::string_view text) override {
    chart_.SetAxisTitleText(OfficeAxis(axis), text);
  }

  void SetValueAxisMinimum(double minimum) override { chart_.SetValueAxisMinimum(minimum); }
  void SetValueAxisMaximum(double maximum) override { chart_.SetValueAxisMaximum(maximum); }
  double ValueAxisMajorUnit() const override { return chart_.ValueAxisMajorUnit(); }
  void SetValueAxisMajorUnit(double unit) override { chart_.SetValueAxisMajorUnit(unit); }
  void SetValueAxisNumberFormat(std::string_view format) override { chart_.SetValueAxisNumberFormat(format); }

  void RemoveCategoryMajorTickMarks() override { chart_.RemoveCategoryMajorTickMarks(); }
  void SetCategoryTickLabelSpacing(std::int32_t spacing) override { chart_.SetCategoryTickLabelSpacing(spacing); }
  void SetCategoryTickMarkSpacing(std::int32_t spacing) override { chart_.SetCategoryTickMarkSpacing(spacing); }

  void SetPointDataLabel(std::int32_t series, std::int32_t point, std::string_view text) override {
    chart_.SetPointDataLabel(series, point, text);
  }

 private:
  const office::Worksheet& sheet_;
  office::Chart& chart_;
};

}  // namespace

std::unique_ptr<excel::ExcelChart> AddModelChart(office::Worksheet& sheet, const excel::ChartFrame& frame) {
  auto drawing = std::make_unique<office::ChartDrawing>(
      office::PointFrame{frame.left, frame.top, frame.width, frame.height});
  office::Chart& chart = drawing->Model();
  sheet.AddDrawing(std::move(drawing));
  return std::make_unique<ModelChart>(sheet, chart);
}

}  // namespace tabulo::deliverables::sheetline
