#include "office/xlsx/drawing_part.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "office/markup/xml_writer.h"
#include "office/package/opc_names.h"
#include "office/spreadsheet/text_metrics.h"
#include "office/xlsx/sml_names.h"

namespace tabulo::office {
namespace {

std::int64_t ToEmu(double points) { return std::llround(points * static_cast<double>(kEmuPerPoint)); }

class PartContext final : public DrawingPartContext {
 public:
  PartContext(Package& package, std::string part_name)
      : package_(package), part_name_(std::move(part_name)) {}

  std::uint32_t NextShapeId() override { return ++last_id_; }

  std::string AddRelatedPart(std::string_view relationship_type, std::string_view stem,
                             std::string_view extension, std::string_view content_type,
                             std::string bytes) override {
    const std::string name = package_.FreePartName(stem, extension);
    package_.AddPart(name, content_type, std::move(bytes));
    return package_.Relate(part_name_, relationship_type, name);
  }

 private:
  Package& package_;
  std::string part_name_;
  std::uint32_t last_id_ = 1;  // id 1 is the drawing's own
};

void WriteMarker(XmlWriter& xml, std::string_view name, const CellAnchor& anchor) {
  xml.Start(name);
  xml.TextElement("xdr:col", std::to_string(anchor.column));
  xml.TextElement("xdr:colOff", std::to_string(anchor.column_offset));
  xml.TextElement("xdr:row", std::to_string(anchor.row));
  xml.TextElement("xdr:rowOff", std::to_string(anchor.row_offset));
  xml.End();
}

// The 0-based row a height in points falls in, and the top of that row.
// Runs of rows without a height of their own are crossed in one step: a
// chart sheet holds hundreds of charts far down the sheet.
std::pair<std::int32_t, double> RowAt(const Worksheet& sheet, double y_points) {
  const double standard = sheet.DefaultRowHeight().value_or(LineHeightPoints(sheet.Context().Normal().font));
  double top = 0;
  std::int32_t next = 1;  // the first row not yet passed
  const auto cross_standard_rows = [&](std::int32_t before) {
    const double fitting = standard > 0 ? std::floor((y_points - top) / standard) : before - next;
    const std::int32_t count =
        static_cast<std::int32_t>(std::clamp(fitting, 0.0, static_cast<double>(before - next)));
    top += count * standard;
    next += count;
    return next == before;
  };
  for (const auto& [row, stored] : sheet.Rows()) {
    if (!stored.height) continue;
    if (!cross_standard_rows(row)) return {next - 1, top};
    if (top + *stored.height > y_points) return {row - 1, top};
    top += *stored.height;
    next = row + 1;
  }
  cross_standard_rows(kMaxRows);
  return {next - 1, top};
}

}  // namespace

CellAnchor AnchorAt(const Worksheet& sheet, double x_points, double y_points) {
  const int digit = MaxDigitWidthPixels(sheet.Context().Normal().font);
  CellAnchor anchor;
  double left = 0;
  for (std::int32_t column = 1; column < kMaxColumns; ++column) {
    const double width = PixelsToPoints(std::round(sheet.ColumnWidth(column) * digit) + 5);
    if (left + width > x_points) break;
    left += width;
    anchor.column = column;
  }
  anchor.column_offset = ToEmu(x_points - left);
  const auto [row, top] = RowAt(sheet, y_points);
  anchor.row = row;
  anchor.row_offset = ToEmu(y_points - top);
  return anchor;
}

std::string AddDrawingPart(Package& package, const Worksheet& sheet, std::size_t drawing_number) {
  const std::string part_name = "xl/drawings/drawing" + std::to_string(drawing_number) + ".xml";
  PartContext context(package, part_name);
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("xdr:wsDr");
  xml.Attribute("xmlns:xdr", sml::kDrawingNamespace);
  xml.Attribute("xmlns:a", sml::kDrawingMainNamespace);
  xml.Attribute("xmlns:r", opc::kOfficeRelationshipsNamespace);
  for (const auto& drawing : sheet.Drawings()) {
    const PointFrame& frame = drawing->Frame();
    xml.Start("xdr:twoCellAnchor");
    xml.Attribute("editAs", "oneCell");
    WriteMarker(xml, "xdr:from", AnchorAt(sheet, frame.left, frame.top));
    WriteMarker(xml, "xdr:to", AnchorAt(sheet, frame.left + frame.width, frame.top + frame.height));
    drawing->WriteAnchorContent(xml, context);
    xml.Start("xdr:clientData");
    xml.End();
    xml.End();
  }
  xml.End();
  package.AddPart(part_name, sml::kDrawingContentType, std::move(out));
  return part_name;
}

}  // namespace tabulo::office
