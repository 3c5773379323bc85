#include "charts/planning/plan_json.h"

#include <string_view>

#include "charts/planning/chart_number_format.h"
#include "charts/planning/json_text.h"
#include "charts/planning/picture_size.h"

namespace tabulo::charts {
namespace {

// Writes the members of one object, each after a comma but the first.
class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) {}
  JsonObject(const JsonObject&) = delete;
  JsonObject& operator=(const JsonObject&) = delete;

  std::string& Key(std::string_view key) {
    if (!first_) out_ += ',';
    first_ = false;
    AppendJsonString(key, out_);
    out_ += ':';
    return out_;
  }
  void String(std::string_view key, std::string_view value) { AppendJsonString(value, Key(key)); }
  void Number(std::string_view key, double value) { AppendJsonNumber(value, Key(key)); }
  void Integer(std::string_view key, long long value) { Key(key) += std::to_string(value); }
  void Boolean(std::string_view key, bool value) { Key(key) += value ? "true" : "false"; }

 private:
  std::string& out_;
  bool first_ = true;
};

// Writes "{", the members `fill` adds and "}".
template <typename Fill>
void WriteObject(std::string& out, Fill fill) {
  out += '{';
  JsonObject object(out);
  fill(object);
  out += '}';
}

// Writes "[", the items each after a comma but the first, and "]".
template <typename Range, typename Write>
void JsonArray(std::string& out, const Range& range, Write write) {
  out += '[';
  bool first = true;
  for (const auto& item : range) {
    if (!first) out += ',';
    first = false;
    write(item);
  }
  out += ']';
}

std::string_view PositionName(ChartPosition position) {
  switch (position) {
    case ChartPosition::kBeforeGrid:
      return "before";
    case ChartPosition::kAfterGrid:
      return "after";
    case ChartPosition::kNone:
      break;
  }
  return "none";
}

void WritePageBreak(std::string& out) {
  WriteObject(out, [](JsonObject& page_break) { page_break.Boolean("page_break", true); });
}

void WriteChartMembers(const ChartItem& item, JsonObject& object, std::string& out) {
  const ChartDescription& chart = item.description;
  std::int32_t height = FitLegendHeight(chart.legend, LegendEntries(chart));
  object.Integer("number", item.number);
  object.String("file", item.file);
  object.String("src", item.src);
  object.Integer("type", chart.type);
  object.String("title", chart.title);
  object.String("category_axis_title", chart.category_axis_title);
  object.String("value_axis_title", chart.value_axis_title);
  object.String("number_format", NumberFormatCode(chart.number_format));
  object.Boolean("percentage", chart.number_format.percentage);
  object.Boolean("fixed_scale", chart.number_format.fixed_scale);
  WriteObject(object.Key("legend"), [&](JsonObject& legend) {
    legend.Boolean("shown", chart.legend.shown);
    legend.Integer("position", chart.legend.position);
  });
  object.Integer("width", PictureWidth(height));
  object.Integer("height", height);
  JsonArray(object.Key("categories"), chart.categories,
            [&](const std::string& category) { AppendJsonString(category, out); });
  JsonArray(object.Key("series"), chart.series, [&](const ChartSeries& series) {
    WriteObject(out, [&](JsonObject& series_object) {
      series_object.String("name", series.name);
      JsonArray(series_object.Key("values"), series.values,
                [&](double value) { AppendJsonNumber(value, out); });
    });
  });
}

void WriteItem(const PlanItem& item, std::string& out) {
  if (const auto* chart = std::get_if<ChartItem>(&item)) {
    if (chart->page_break_before) {
      WritePageBreak(out);
      out += ',';
    }
    WriteObject(out, [&](JsonObject& object) { WriteChartMembers(*chart, object, out); });
  } else if (const auto* note = std::get_if<NoteItem>(&item)) {
    WriteObject(out, [&](JsonObject& object) { object.String("note", note->text); });
  } else {
    WritePageBreak(out);
  }
}

}  // namespace

std::string PlanToJson(std::span<const TableChartPlan> plans) {
  std::string out;
  JsonArray(out, plans, [&](const TableChartPlan& plan) {
    WriteObject(out, [&](JsonObject& object) {
      object.String("name", plan.table_name);
      object.String("position", PositionName(plan.position));
      JsonArray(object.Key("items"), plan.items, [&](const PlanItem& item) { WriteItem(item, out); });
    });
  });
  return out;
}

}  // namespace tabulo::charts
