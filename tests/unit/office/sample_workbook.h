#pragma once

#include <string>

#include "office/markup/xml_writer.h"
#include "office/spreadsheet/workbook.h"

namespace tabulo::office::testing {

// A drawing object that writes a plain rectangle, standing in for charts.
class RectangleDrawing final : public DrawingObject {
 public:
  explicit RectangleDrawing(PointFrame frame) : DrawingObject(frame) {}
  void WriteAnchorContent(XmlWriter& xml, DrawingPartContext& context) const override {
    const std::uint32_t id = context.NextShapeId();
    xml.Start("xdr:sp");
    xml.Attribute("macro", "");
    xml.Attribute("textlink", "");
    xml.Start("xdr:nvSpPr");
    xml.Start("xdr:cNvPr");
    xml.Attribute("id", id);
    xml.Attribute("name", "Box " + std::to_string(id));
    xml.End();
    xml.Start("xdr:cNvSpPr");
    xml.End();
    xml.End();
    xml.Start("xdr:spPr");
    xml.Start("a:prstGeom");
    xml.Attribute("prst", "rect");
    xml.Start("a:avLst");
    xml.End();
    xml.End();
    xml.End();
    xml.End();
  }
};

// A workbook laid out the way the table export lays one out: named styles,
// a table with merged headings, turned and wrapped labels, borders, number
// formats, rich text, texts that look like numbers, page setup with print
// titles, and a chart sheet whose data refer to the table and are hidden.
inline void FillSampleWorkbook(Workbook& workbook, bool with_drawing) {
  NamedStyle header{"Header", workbook.NormalFormat()};
  header.format.font.size = 12;
  workbook.AddNamedStyle(header);
  NamedStyle side{"VariableTextSide", workbook.NormalFormat()};
  side.format.font.bold = true;
  side.format.alignment.rotation = 90;
  side.format.alignment.horizontal = HorizontalAlignment::kCenter;
  side.format.alignment.vertical = VerticalAlignment::kCenter;
  side.format.alignment.wrap_text = true;
  workbook.AddNamedStyle(side);

  Worksheet& table = workbook.AddWorksheet("T1");
  table.SetDefaultRowHeight(12.75);
  table.SetDefaultColumnWidth(8.43);
  table.SetText({1, 1}, "Table 1: Age by gender & region <all>");
  table.ApplyStyle(CellRange::Single({1, 1}), "Header");
  table.SetText({3, 3}, "Gender");
  table.Merge({{3, 3}, {3, 4}});
  table.SetText({4, 3}, "Male");
  table.SetText({4, 4}, "Female");
  table.SetText({5, 1}, "Age");
  table.Merge({{5, 1}, {7, 1}});
  table.ApplyStyle({{5, 1}, {7, 1}}, "VariableTextSide");
  const char* const ages[] = {"10-15", "16-24", "25+"};
  for (int i = 0; i < 3; ++i) {
    table.SetText({5 + i, 2}, ages[i]);
    table.IgnoreNumberStoredAsText({5 + i, 2});
    table.SetNumber({5 + i, 3}, 0.125 * (i + 1));
    table.SetNumber({5 + i, 4}, 250 + i);
  }
  table.SetNumberFormat({{5, 3}, {7, 3}}, "0.0%");
  FormatChange italic;
  italic.italic = true;
  italic.indent = 1;
  italic.horizontal = HorizontalAlignment::kLeft;
  table.ApplyFormat({{5, 2}, {7, 2}}, italic);
  const BorderLine thin{BorderStyle::kThin, Colour::Automatic()};
  table.SetOuterBorder({{4, 3}, {7, 4}}, BorderEdge::kLeft, thin);
  table.SetOuterBorder({{3, 3}, {4, 4}}, BorderEdge::kBottom, thin);
  TextRun bold{"Note: "};
  bold.bold = true;
  TextRun rest{"figures _x0041_ are weighted\r\n"};
  rest.colour = Colour::Rgb(0x808080);
  table.SetRichText({9, 1}, {bold, rest});
  table.AutoFitColumn(2);
  table.AutoFitRows(9, 9);
  PageSetup setup;
  setup.orientation = PageOrientation::kLandscape;
  setup.title_columns = PrintTitleSpan{1, 2};
  setup.title_rows = PrintTitleSpan{3, 4};
  table.SetPageSetup(setup);
  table.SelectCell({1, 1});

  Worksheet& charts = workbook.AddWorksheet("T1_Ch");
  FormatChange hidden;
  hidden.font_colour = Colour::Rgb(0xFFFFFF);
  charts.ApplyFormatToAllCells(hidden);
  charts.SetFormula({1, 2}, "='T1'!$C$4", std::string("Male"));
  charts.SetText({2, 1}, "Frequency");
  charts.SetFormula({2, 2}, "'T1'!$C$5", 0.125);
  charts.SetNumberFormat(CellRange::Single({2, 2}), "0%");
  PageSetup fit;
  fit.orientation = PageOrientation::kLandscape;
  fit.fit_to_pages = FitToPages{1, 1};
  charts.SetPageSetup(fit);
  if (with_drawing) {
    charts.AddDrawing(std::make_unique<RectangleDrawing>(PointFrame{20, 20, 400, 230}));
    charts.AddDrawing(std::make_unique<RectangleDrawing>(PointFrame{20, 270, 400, 230}));
  }
  workbook.Properties().title = "Tables";
  workbook.Properties().creator = "tabulo";
  workbook.Properties().created = "2024-05-01T10:00:00Z";
  workbook.Properties().modified = "2024-05-01T10:00:00Z";
}

}  // namespace tabulo::office::testing
