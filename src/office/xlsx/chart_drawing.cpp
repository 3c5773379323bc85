#include "office/xlsx/chart_drawing.h"

#include <string>

#include "office/chart/chart_names.h"
#include "office/chart/chart_part_writer.h"
#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// The frame's own position is taken from the anchor; Office wants the
// transform present all the same.
void WriteEmptyTransform(XmlWriter& xml) {
  xml.Start("xdr:xfrm");
  xml.Start("a:off");
  xml.Attribute("x", 0);
  xml.Attribute("y", 0);
  xml.End();
  xml.Start("a:ext");
  xml.Attribute("cx", 0);
  xml.Attribute("cy", 0);
  xml.End();
  xml.End();
}

}  // namespace

ChartDrawing::ChartDrawing(PointFrame frame, ChartType type) : DrawingObject(frame), model_(type) {}

void ChartDrawing::WriteAnchorContent(XmlWriter& xml, DrawingPartContext& context) const {
  const std::uint32_t id = context.NextShapeId();
  const std::string relationship = context.AddRelatedPart(dml_chart::kRelationship, "xl/charts/chart", ".xml",
                                                          dml_chart::kContentType, WriteChartPart(model_));
  xml.Start("xdr:graphicFrame");
  xml.Attribute("macro", "");
  xml.Start("xdr:nvGraphicFramePr");
  xml.Start("xdr:cNvPr");
  xml.Attribute("id", id);
  // The drawing's own id is 1, so the first chart is "Chart 1".
  xml.Attribute("name", "Chart " + std::to_string(id - 1));
  xml.End();
  xml.Start("xdr:cNvGraphicFramePr");
  xml.End();
  xml.End();
  WriteEmptyTransform(xml);
  xml.Start("a:graphic");
  xml.Start("a:graphicData");
  xml.Attribute("uri", dml_chart::kNamespace);
  xml.Start("c:chart");
  xml.Attribute("xmlns:c", dml_chart::kNamespace);
  xml.Attribute("xmlns:r", kRelationshipsNamespace);
  xml.Attribute("r:id", relationship);
  xml.End();
  xml.End();
  xml.End();
  xml.End();
}

}  // namespace tabulo::office
