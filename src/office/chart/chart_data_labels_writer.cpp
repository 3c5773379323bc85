#include "office/chart/chart_data_labels_writer.h"

#include "office/chart/chart_rich_text.h"
#include "office/chart/data_label_position.h"
#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

// The switches of what a label shows, in schema order; a label with a text
// of its own shows it in place of the value.
void WriteShown(XmlWriter& xml, bool value) {
  xml.ValElement("c:showLegendKey", "0");
  xml.ValElement("c:showVal", value ? "1" : "0");
  xml.ValElement("c:showCatName", "0");
  xml.ValElement("c:showSerName", "0");
  xml.ValElement("c:showPercent", "0");
  xml.ValElement("c:showBubbleSize", "0");
}

void WritePointLabel(XmlWriter& xml, const ChartTypeShape& shape, std::size_t point,
                     const PointLabel& label) {
  xml.Start("c:dLbl");
  xml.ValElement("c:idx", point);
  xml.Start("c:tx");
  WriteRichText(xml, label.text, std::nullopt);
  xml.End();
  if (const auto position = EffectiveLabelPosition(shape, label.position))
    xml.ValElement("c:dLblPos", LabelPositionValue(*position));
  WriteShown(xml, true);
  xml.End();
}

}  // namespace

void WriteSeriesDataLabels(XmlWriter& xml, const ChartTypeShape& shape, const ChartSeries& series) {
  xml.Start("c:dLbls");
  if (series.point_labels.empty()) {
    xml.ValElement("c:delete", "1");
  } else {
    for (const auto& [point, label] : series.point_labels) WritePointLabel(xml, shape, point, label);
    WriteShown(xml, false);
  }
  xml.End();
}

}  // namespace tabulo::office
