#include "office/chart/chart_data_source_writer.h"

#include <cmath>

#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

void WritePoint(XmlWriter& xml, std::size_t index, std::string_view text) {
  xml.Start("c:pt");
  xml.Attribute("idx", index);
  xml.TextElement("c:v", text);
  xml.End();
}

// The labels of one level; empty cells have no point.
void WriteLevelPoints(XmlWriter& xml, const std::vector<std::string>& level) {
  for (std::size_t index = 0; index < level.size(); ++index) {
    if (!level[index].empty()) WritePoint(xml, index, level[index]);
  }
}

void WriteStringData(XmlWriter& xml, const char* element, const std::vector<std::string>& level) {
  xml.Start(element);
  xml.ValElement("c:ptCount", level.size());
  WriteLevelPoints(xml, level);
  xml.End();
}

void WriteNumberData(XmlWriter& xml, const char* element, const SeriesValues& values) {
  xml.Start(element);
  xml.TextElement("c:formatCode", values.format_code.empty() ? "General" : values.format_code);
  xml.ValElement("c:ptCount", values.numbers.size());
  for (std::size_t index = 0; index < values.numbers.size(); ++index) {
    const std::optional<double>& number = values.numbers[index];
    if (!number || !std::isfinite(*number)) continue;
    xml.Start("c:pt");
    xml.Attribute("idx", index);
    xml.Start("c:v");
    xml.TextNumber(*number);
    xml.End();
    xml.End();
  }
  xml.End();
}

}  // namespace

void WriteSeriesName(XmlWriter& xml, const SeriesName& name) {
  if (name.formula.empty() && name.text.empty()) return;
  xml.Start("c:tx");
  if (name.formula.empty()) {
    xml.TextElement("c:v", name.text);
  } else {
    xml.Start("c:strRef");
    xml.TextElement("c:f", name.formula);
    WriteStringData(xml, "c:strCache", {name.text});
    xml.End();
  }
  xml.End();
}

void WriteCategories(XmlWriter& xml, const CategoryLabels& categories) {
  if (categories.levels.empty()) return;
  xml.Start("c:cat");
  if (categories.formula.empty()) {
    // Literal data has no multi-level form: the inner labels stand alone.
    WriteStringData(xml, "c:strLit", categories.levels.back());
  } else if (categories.levels.size() == 1) {
    xml.Start("c:strRef");
    xml.TextElement("c:f", categories.formula);
    WriteStringData(xml, "c:strCache", categories.levels.back());
    xml.End();
  } else {
    xml.Start("c:multiLvlStrRef");
    xml.TextElement("c:f", categories.formula);
    xml.Start("c:multiLvlStrCache");
    xml.ValElement("c:ptCount", categories.PointCount());
    for (auto level = categories.levels.rbegin(); level != categories.levels.rend(); ++level) {
      xml.Start("c:lvl");
      WriteLevelPoints(xml, *level);
      xml.End();
    }
    xml.End();
    xml.End();
  }
  xml.End();
}

void WriteValues(XmlWriter& xml, const SeriesValues& values) {
  xml.Start("c:val");
  if (values.formula.empty()) {
    WriteNumberData(xml, "c:numLit", values);
  } else {
    xml.Start("c:numRef");
    xml.TextElement("c:f", values.formula);
    WriteNumberData(xml, "c:numCache", values);
    xml.End();
  }
  xml.End();
}

}  // namespace tabulo::office
