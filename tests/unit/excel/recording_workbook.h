#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "scripts/excel/excel_operations.h"

namespace tabulo::excel::fixtures {

// A formula a cell received, in R1C1 notation.
struct RecordedFormula {
  std::string r1c1;

  friend bool operator==(const RecordedFormula&, const RecordedFormula&) = default;
};

// What one cell received, as plain values.
struct RecordedCell {
  std::variant<std::monostate, std::string, double, std::vector<TextRun>, RecordedFormula> value;
  std::string number_format;  // "" for General
  CellFormat format;
  std::string style;
  bool ignores_number_as_text = false;
};

struct RecordedBorder {
  CellRange range;
  BorderEdge edge;
  Border border;

  friend bool operator==(const RecordedBorder&, const RecordedBorder&) = default;
};

inline void Overlay(CellFormat& target, const CellFormat& change) {
  if (change.font_name) target.font_name = change.font_name;
  if (change.font_size) target.font_size = change.font_size;
  if (change.bold) target.bold = change.bold;
  if (change.italic) target.italic = change.italic;
  if (change.font_colour) target.font_colour = change.font_colour;
  if (change.orientation) target.orientation = change.orientation;
  if (change.horizontal) target.horizontal = change.horizontal;
  if (change.vertical) target.vertical = change.vertical;
  if (change.wrap_text) target.wrap_text = change.wrap_text;
  if (change.indent_level) target.indent_level = change.indent_level;
}

// How the recorded charts answer: the user-defined chart types and chart
// templates that exist (with the chart type each leaves), the automatic major
// unit of a value axis, and the operations that fail.
struct ChartBehaviour {
  std::map<std::string, ChartType> custom_types;
  std::map<std::string, ChartType> templates;
  double automatic_major_unit = 0;
  std::set<std::string> failing_calls;  // by operation name, such as "SetType"
};

inline std::string RangeText(const CellRange& range) {
  return "R" + std::to_string(range.first.row) + "C" + std::to_string(range.first.column) + ":R" +
         std::to_string(range.last.row) + "C" + std::to_string(range.last.column);
}

// A chart that keeps its state and a log of the calls it received.
class RecordingChart final : public ExcelChart {
 public:
  RecordingChart(ChartFrame chart_frame, std::shared_ptr<const ChartBehaviour> chart_behaviour)
      : frame(chart_frame), behaviour(std::move(chart_behaviour)) {}

  ChartFrame frame;
  std::shared_ptr<const ChartBehaviour> behaviour;
  std::vector<std::string> calls;
  std::optional<ChartType> type;
  std::optional<CellRange> source;
  std::optional<bool> auto_scale_font;
  bool data_labels_cleared = false;
  std::optional<bool> has_legend;
  std::optional<LegendPosition> legend_position;
  bool has_title = false;
  std::string title;
  std::optional<ChartFont> title_font;
  std::map<ChartAxis, bool> axis_has_title;
  std::map<ChartAxis, std::string> axis_title;
  std::optional<double> minimum;
  std::optional<double> maximum;
  std::optional<double> major_unit;
  std::optional<std::string> axis_number_format;
  bool category_major_ticks_removed = false;
  std::optional<std::int32_t> tick_label_spacing;
  std::optional<std::int32_t> tick_mark_spacing;
  std::map<std::pair<std::int32_t, std::int32_t>, std::string> point_labels;

  void SetType(ChartType value) override {
    Record("SetType", Number(value));
    type = value;
  }
  void ApplyCustomType(ChartType value) override {
    Record("ApplyCustomType", Number(value));
    type = value;
  }
  std::optional<ChartType> ApplyCustomType(std::string_view name) override {
    Record("ApplyCustomType", std::string(name));
    auto found = behaviour->custom_types.find(std::string(name));
    if (found == behaviour->custom_types.end()) return std::nullopt;
    type = found->second;
    return type;
  }
  ChartType ApplyChartTemplate(std::string_view path) override {
    Record("ApplyChartTemplate", std::string(path));
    auto found = behaviour->templates.find(std::string(path));
    if (found == behaviour->templates.end()) throw std::runtime_error("no such template");
    type = found->second;
    return found->second;
  }
  void SetSourceData(const CellRange& range) override {
    Record("SetSourceData", RangeText(range));
    source = range;
  }
  void SetAutoScaleFont(bool on) override {
    Record("SetAutoScaleFont", on ? "1" : "0");
    auto_scale_font = on;
  }
  void ClearDataLabels() override {
    Record("ClearDataLabels", "");
    data_labels_cleared = true;
    point_labels.clear();
  }
  void SetHasLegend(bool shown) override {
    Record("SetHasLegend", shown ? "1" : "0");
    has_legend = shown;
  }
  void SetLegendPosition(LegendPosition position) override {
    Record("SetLegendPosition", std::to_string(static_cast<std::int32_t>(position)));
    legend_position = position;
  }
  bool HasTitle() const override { return has_title; }
  void SetHasTitle(bool shown) override {
    Record("SetHasTitle", shown ? "1" : "0");
    has_title = shown;
    if (!shown) title.clear();
  }
  void SetTitleText(std::string_view text) override {
    Record("SetTitleText", std::string(text));
    title = std::string(text);
  }
  void SetTitleFont(const ChartFont& font) override {
    Record("SetTitleFont", font.name);
    title_font = font;
  }
  bool AxisHasTitle(ChartAxis axis) const override {
    auto found = axis_has_title.find(axis);
    return found != axis_has_title.end() && found->second;
  }
  void SetAxisHasTitle(ChartAxis axis, bool shown) override {
    Record("SetAxisHasTitle", Number(axis) + (shown ? ",1" : ",0"));
    axis_has_title[axis] = shown;
    if (!shown) axis_title.erase(axis);
  }
  void SetAxisTitleText(ChartAxis axis, std::string_view text) override {
    Record("SetAxisTitleText", Number(axis) + "," + std::string(text));
    axis_title[axis] = std::string(text);
  }
  void SetValueAxisMinimum(double value) override {
    Record("SetValueAxisMinimum", "");
    minimum = value;
  }
  void SetValueAxisMaximum(double value) override {
    Record("SetValueAxisMaximum", "");
    maximum = value;
  }
  double ValueAxisMajorUnit() const override {
    if (behaviour->failing_calls.contains("ValueAxisMajorUnit")) throw std::runtime_error("refused");
    return major_unit.value_or(behaviour->automatic_major_unit);
  }
  void SetValueAxisMajorUnit(double unit) override {
    Record("SetValueAxisMajorUnit", "");
    major_unit = unit;
  }
  void SetValueAxisNumberFormat(std::string_view format) override {
    Record("SetValueAxisNumberFormat", std::string(format));
    axis_number_format = std::string(format);
  }
  void RemoveCategoryMajorTickMarks() override {
    Record("RemoveCategoryMajorTickMarks", "");
    category_major_ticks_removed = true;
  }
  void SetCategoryTickLabelSpacing(std::int32_t spacing) override {
    Record("SetCategoryTickLabelSpacing", std::to_string(spacing));
    tick_label_spacing = spacing;
  }
  void SetCategoryTickMarkSpacing(std::int32_t spacing) override {
    Record("SetCategoryTickMarkSpacing", std::to_string(spacing));
    tick_mark_spacing = spacing;
  }
  void SetPointDataLabel(std::int32_t series, std::int32_t point, std::string_view text) override {
    Record("SetPointDataLabel",
           std::to_string(series) + "," + std::to_string(point) + "," + std::string(text));
    point_labels[{series, point}] = std::string(text);
  }

  // The title of an axis; "" when it has none.
  std::string AxisTitle(ChartAxis axis) const {
    auto found = axis_title.find(axis);
    return AxisHasTitle(axis) && found != axis_title.end() ? found->second : std::string();
  }
  // The calls, "Name(arguments)", whose name is one of `names`, in order.
  std::vector<std::string> CallsNamed(std::initializer_list<std::string_view> names) const {
    std::vector<std::string> out;
    for (const std::string& call : calls) {
      for (std::string_view name : names) {
        if (call.starts_with(std::string(name) + "(")) out.push_back(call);
      }
    }
    return out;
  }

 private:
  template <typename Enum>
  static std::string Number(Enum value) {
    return std::to_string(static_cast<std::int32_t>(value));
  }
  void Record(const std::string& name, const std::string& arguments) {
    calls.push_back(name + "(" + arguments + ")");
    if (behaviour->failing_calls.contains(name)) throw std::runtime_error(name + " refused");
  }
};

// A worksheet that keeps every operation's effect in maps.
class RecordingWorksheet final : public ExcelWorksheet {
 public:
  explicit RecordingWorksheet(
      std::shared_ptr<const ChartBehaviour> chart_behaviour = std::make_shared<ChartBehaviour>())
      : behaviour(std::move(chart_behaviour)) {}

  std::shared_ptr<const ChartBehaviour> behaviour;
  std::vector<std::unique_ptr<RecordingChart>> charts;
  bool text_hidden = false;
  std::optional<std::int32_t> font_colour_index;
  std::string name;
  bool active = false;
  std::map<CellRef, RecordedCell> cells;
  std::vector<CellRange> merges;
  std::vector<RecordedBorder> borders;
  std::optional<double> row_height;
  std::optional<double> column_width;
  std::vector<std::int32_t> auto_fit_columns;
  std::vector<std::pair<std::int32_t, std::int32_t>> auto_fit_rows;
  std::optional<PageOrientation> orientation;
  bool zoom_off = false;
  std::optional<std::pair<std::int32_t, std::int32_t>> fit_to_pages;
  std::optional<std::pair<std::int32_t, std::int32_t>> title_columns;
  std::optional<std::pair<std::int32_t, std::int32_t>> title_rows;
  std::optional<CellRef> selected;
  bool fail_page_setup = false;

  std::string Name() const override { return name; }
  void SetName(std::string_view new_name) override { name = std::string(new_name); }
  void Activate() override { active = true; }
  void SetText(CellRef cell, std::string_view text) override { cells[cell].value = std::string(text); }
  void SetNumber(CellRef cell, double value) override { cells[cell].value = value; }
  void SetRichText(CellRef cell, std::span<const TextRun> runs) override {
    cells[cell].value = std::vector<TextRun>(runs.begin(), runs.end());
  }
  std::string NumberFormat(CellRef cell) const override {
    auto found = cells.find(cell);
    return found == cells.end() ? std::string() : found->second.number_format;
  }
  void SetNumberFormat(const CellRange& range, std::string_view format) override {
    std::string lower(format);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    ForEach(range,
            [&](RecordedCell& cell) { cell.number_format = lower == "general" ? "" : std::string(format); });
  }
  void SetFormat(const CellRange& range, const CellFormat& format) override {
    ForEach(range, [&](RecordedCell& cell) { Overlay(cell.format, format); });
  }
  void SetStyle(const CellRange& range, std::string_view style) override {
    ForEach(range, [&](RecordedCell& cell) { cell.style = std::string(style); });
  }
  void SetBorder(const CellRange& range, BorderEdge edge, Border border) override {
    borders.push_back({range, edge, border});
  }
  void Merge(const CellRange& range) override { merges.push_back(range); }
  void IgnoreNumberStoredAsText(CellRef cell) override { cells[cell].ignores_number_as_text = true; }
  void SetAllRowHeights(double points) override { row_height = points; }
  void SetAllColumnWidths(double characters) override { column_width = characters; }
  void AutoFitColumn(std::int32_t column) override { auto_fit_columns.push_back(column); }
  void AutoFitRows(std::int32_t first, std::int32_t last) override {
    auto_fit_rows.emplace_back(first, last);
  }
  void SetPageOrientation(PageOrientation value) override {
    if (fail_page_setup) throw std::runtime_error("no printer");
    orientation = value;
  }
  void SetZoomOff() override { zoom_off = true; }
  void SetFitToPages(std::int32_t wide, std::int32_t tall) override { fit_to_pages = {wide, tall}; }
  void SetPrintTitleColumns(std::int32_t first, std::int32_t last) override { title_columns = {first, last}; }
  void SetPrintTitleRows(std::int32_t first, std::int32_t last) override { title_rows = {first, last}; }
  void Select(CellRef cell) override { selected = cell; }
  void SetFormulaR1C1(CellRef cell, std::string_view formula) override {
    cells[cell].value = RecordedFormula{std::string(formula)};
  }
  void HideAllCellText() override { text_hidden = true; }
  void SetAllCellsFontColorIndex(std::int32_t index) override { font_colour_index = index; }
  ExcelChart& AddChart(const ChartFrame& chart_frame) override {
    charts.push_back(std::make_unique<RecordingChart>(chart_frame, behaviour));
    return *charts.back();
  }

  // Reading back.
  const RecordedCell* At(std::int32_t row, std::int32_t column) const {
    auto found = cells.find(CellRef{row, column});
    return found == cells.end() ? nullptr : &found->second;
  }
  // The text of a cell; "" when it holds no text.
  std::string Text(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    if (cell == nullptr) return {};
    if (const auto* text = std::get_if<std::string>(&cell->value)) return *text;
    return {};
  }
  std::optional<double> Number(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    if (cell == nullptr) return std::nullopt;
    if (const auto* number = std::get_if<double>(&cell->value)) return *number;
    return std::nullopt;
  }
  // The R1C1 formula of a cell; "" when it holds none.
  std::string Formula(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    if (cell == nullptr) return {};
    if (const auto* formula = std::get_if<RecordedFormula>(&cell->value)) return formula->r1c1;
    return {};
  }
  RecordingChart& Chart(std::size_t index) { return *charts.at(index); }
  bool IsEmpty(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    return cell == nullptr || std::holds_alternative<std::monostate>(cell->value);
  }
  std::string FormatOf(std::int32_t row, std::int32_t column) const {
    return NumberFormat(CellRef{row, column});
  }
  CellFormat Format(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    return cell == nullptr ? CellFormat{} : cell->format;
  }
  std::string Style(std::int32_t row, std::int32_t column) const {
    const RecordedCell* cell = At(row, column);
    return cell == nullptr ? std::string() : cell->style;
  }
  // Cells that hold a value, in row-major order: "R1C1=text" or "R1C1#number".
  std::vector<std::string> Contents() const {
    std::vector<std::string> out;
    for (const auto& [ref, cell] : cells) {
      std::string key = "R" + std::to_string(ref.row) + "C" + std::to_string(ref.column);
      if (const auto* text = std::get_if<std::string>(&cell.value)) out.push_back(key + "=" + *text);
      if (const auto* number = std::get_if<double>(&cell.value)) out.push_back(key + "#" + Plain(*number));
      if (const auto* formula = std::get_if<RecordedFormula>(&cell.value))
        out.push_back(key + ":" + formula->r1c1);
      if (const auto* runs = std::get_if<std::vector<TextRun>>(&cell.value)) {
        std::string joined;
        for (const TextRun& run : *runs) joined += run.text;
        out.push_back(key + "~" + joined);
      }
    }
    return out;
  }

 private:
  static std::string Plain(double number) {
    std::string text = std::to_string(number);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
  }
  template <typename Change>
  void ForEach(const CellRange& range, Change change) {
    for (std::int32_t row = range.first.row; row <= range.last.row; ++row) {
      for (std::int32_t column = range.first.column; column <= range.last.column; ++column) {
        change(cells[CellRef{row, column}]);
      }
    }
  }
};

// A workbook that starts, like a new Excel workbook, with one worksheet.
class RecordingWorkbook final : public ExcelWorkbook {
 public:
  explicit RecordingWorkbook(ChartBehaviour chart_behaviour = {})
      : behaviour(std::make_shared<const ChartBehaviour>(std::move(chart_behaviour))) {
    sheets.push_back(std::make_unique<RecordingWorksheet>(behaviour));
  }

  std::shared_ptr<const ChartBehaviour> behaviour;
  std::vector<std::unique_ptr<RecordingWorksheet>> sheets;
  std::vector<NamedStyle> styles;
  std::vector<bool> screen_updating;

  std::int32_t WorksheetCount() const override { return static_cast<std::int32_t>(sheets.size()); }
  ExcelWorksheet& Worksheet(std::int32_t index) override { return Sheet(index); }
  ExcelWorksheet& AddWorksheet() override {
    sheets.push_back(std::make_unique<RecordingWorksheet>(behaviour));
    return *sheets.back();
  }
  void AddStyle(const NamedStyle& style) override { styles.push_back(style); }
  void SetScreenUpdating(bool on) override { screen_updating.push_back(on); }

  RecordingWorksheet& Sheet(std::int32_t index) {
    if (index < 1 || index > WorksheetCount()) throw std::out_of_range("no such worksheet");
    return *sheets[static_cast<std::size_t>(index - 1)];
  }
};

}  // namespace tabulo::excel::fixtures
