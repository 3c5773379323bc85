#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "excel/recording_workbook.h"
#include "frame/cexport.h"
#include "frame/office_callbacks.h"
#include "frame/office_stage.h"
#include "scripts/excel/excel_export.h"

namespace tabulo::excel::fixtures {

// The export object as the logic sees it, converting as the component does.
class FakeOfficeExport final : public frame::IOfficeExport {
 public:
  std::int32_t lcid = 2048;
  std::vector<std::int32_t> lcid_puts;
  std::vector<std::string> clipboard;

  platform::HRESULT CopyHTMLToClipboard(const char* html) override {
    clipboard.emplace_back(html);
    return platform::S_OK;
  }
  platform::HRESULT GetTextFromHTML(const char* text, std::optional<std::string>* result) override {
    if (text == nullptr)
      *result = std::nullopt;
    else
      *result = frame::TextFromHtml(text);
    return platform::S_OK;
  }
  platform::HRESULT get_ExportLCID(std::int32_t* value) override {
    *value = lcid;
    return platform::S_OK;
  }
  platform::HRESULT put_ExportLCID(std::int32_t value) override {
    lcid = value;
    lcid_puts.push_back(value);
    return platform::S_OK;
  }
  platform::HRESULT ConvertLocaleStringToDouble(const char* text, platform::Variant* result) override {
    *result = frame::LocaleStringToDouble(text, static_cast<std::uint32_t>(lcid));
    return platform::S_OK;
  }
  platform::HRESULT GetErrorCode(std::int32_t* code) override {
    *code = 0;
    return platform::S_OK;
  }
};

// A properties XML with the given name/value pairs (all others default).
inline std::string Properties(std::initializer_list<std::pair<std::string, std::string>> values) {
  std::string xml = "<properties>";
  for (const auto& [name, value] : values) {
    xml += "<property><name>" + name + "</name><type>8</type><value>" + value + "</value></property>";
  }
  return xml + "</properties>";
}

// One export run into a recording workbook.
struct ExcelRun {
  explicit ExcelRun(ChartBehaviour behaviour = {}) : workbook(std::move(behaviour)) {}

  RecordingWorkbook workbook;
  FakeOfficeExport exporter;
  std::optional<frame::OfficeLogicError> error;

  RecordingWorksheet& Sheet(std::int32_t index = 1) { return workbook.Sheet(index); }
};

inline ExcelRun RunExcel(const std::string& tables_xml, const std::string& properties_xml = "<properties/>",
                         ChartBehaviour behaviour = {}) {
  ExcelRun run(std::move(behaviour));
  try {
    Export(run.workbook, run.exporter, tables_xml, properties_xml);
  } catch (const frame::OfficeLogicError& error) {
    run.error = error;
  }
  return run;
}

inline CellRange Range(std::int32_t row1, std::int32_t column1, std::int32_t row2, std::int32_t column2) {
  return CellRange{{row1, column1}, {row2, column2}};
}

// Small pieces of Tables XML.
inline std::string Attr(const std::string& name, const std::string& value) {
  return " " + name + "=\"" + value + "\"";
}

inline std::string Element(const std::string& name, const std::string& label, const std::string& extra = "",
                           const std::string& children = "") {
  std::string open = "<Element Name=\"" + name + "\" Label=\"" + label + "\"" + extra;
  return children.empty() ? open + "/>" : open + ">" + children + "</Element>";
}

inline std::string Heading(const std::string& name, const std::string& extra = "",
                           const std::string& children = "") {
  std::string open = "<Heading Name=\"" + name + "\"" + extra;
  return children.empty() ? open + "/>" : open + ">" + children + "</Heading>";
}

inline std::string Variable(const std::string& name, const std::string& label, const std::string& elements,
                            const std::string& headings, const std::string& sub_axes = "",
                            const std::string& axis_headings = "") {
  std::string xml = "<Axis Name=\"" + name + "\" Label=\"" + label + "\"><Elements>" + elements +
                    "</Elements><ElementHeadings>" + headings + "</ElementHeadings>";
  if (!sub_axes.empty()) {
    xml += "<SubAxes>" + sub_axes + "</SubAxes><AxisHeadings>" + axis_headings + "</AxisHeadings>";
  }
  return xml + "</Axis>";
}

inline std::string RootAxis(const std::string& name, const std::string& variables,
                            const std::string& headings) {
  return "<Axis Name=\"" + name + "\"><SubAxes>" + variables + "</SubAxes><AxisHeadings>" + headings +
         "</AxisHeadings></Axis>";
}

inline std::string CellItems(std::initializer_list<std::string> items) {
  std::string xml = "<CellItems>";
  for (const std::string& item : items) xml += "<CellItem " + item + "/>";
  return xml + "</CellItems>";
}

// One value row: c1, c2, ... in order.
inline std::string Row(std::initializer_list<std::string> values) {
  std::string xml = "<row r=\"\"";
  int index = 1;
  for (const std::string& value : values) xml += " c" + std::to_string(index++) + "=\"" + value + "\"";
  return xml + "/>";
}

inline std::string Values(const std::string& rows) {
  return "<CellValues><Layer>" + rows + "</Layer></CellValues>";
}

// A populated table unless the attributes say otherwise.
inline std::string Table(const std::string& attributes, const std::string& axes,
                         const std::string& rest = "") {
  std::string populated = attributes.find("IsPopulated") == std::string::npos ? " IsPopulated=\"true\"" : "";
  return "<Table Name=\"T\"" + populated + attributes + "><Axes>" + axes + "</Axes>" + rest + "</Table>";
}

inline std::string Document(const std::string& tables, const std::string& attributes = "") {
  return "<Document" + attributes + "><DataSet/><Tables>" + tables + "</Tables></Document>";
}

// Gender: Male, Female. Age: Young, Old (`blocks` instances of headings).
inline std::string Gender(const std::string& male_extra = "", const std::string& female_extra = "") {
  return Variable("Gender", "Gender", Element("M", "Male", male_extra) + Element("F", "Female", female_extra),
                  Heading("M") + Heading("F"));
}

inline std::string Age(int blocks = 1, const std::string& young_extra = "",
                       const std::string& old_extra = "") {
  std::string headings;
  for (int i = 0; i < blocks; ++i) headings += Heading("Y") + Heading("O");
  return Variable("Age", "Age", Element("Y", "Young", young_extra) + Element("O", "Old", old_extra),
                  headings);
}

inline std::string Top(const std::string& variables, const std::string& headings) {
  return RootAxis("Top", variables, headings);
}
inline std::string Side(const std::string& variables, const std::string& headings) {
  return RootAxis("Side", variables, headings);
}

}  // namespace tabulo::excel::fixtures
