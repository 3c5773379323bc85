#include "html/chart_images.h"

#include <exception>
#include <string>
#include <variant>

#include "frame/cnx_format.h"
#include "frame/component_info.h"
#include "html/page_break.h"

namespace tabulo::html {
namespace {

constexpr int kChartFailed = 2022;

void WriteImage(const charts::ChartItem& chart, const ChartOutput& output, std::string_view table_name,
                CHtmlWriter& writer) {
  try {
    output.paint(chart.description, output.files_folder() / chart.file, output.format);
  } catch (const std::exception& error) {
    frame::CNXFormat format(frame::Component(frame::ComponentKind::kWebline));
    format.Format(kChartFailed, chart.description.title, std::string(table_name));
    throw HtmlError(format.GetText() + ": " + error.what());
  }
  if (chart.page_break_before) WritePageBreak(writer);
  writer.BeginElement("img");
  writer.AddAttribute("class", "TableImage");
  writer.AddAttribute("src", chart.src);
  writer.StartElementWithAttributes();
  writer.EndElement("img");
  writer.LineBreak();
  writer.LineBreak();
}

// The note's text names variables of the document, so it is written as
// text, never as markup.
void WriteNote(const charts::NoteItem& note, CHtmlWriter& writer) {
  writer.LineBreak();
  writer.BeginElement("table");
  writer.AddAttribute("width", "100%");
  writer.StartElementWithAttributes();
  writer.StartElement("tr");
  writer.BeginElement("td");
  writer.AddAttribute("class", "Annotation");
  writer.StartElementWithAttributes();
  writer.StartElement("i");
  writer.Text(note.text);
  writer.EndElement("i");
  writer.EndElement("td");
  writer.EndElement("tr");
  writer.EndElement("table");
  writer.LineBreak();
}

}  // namespace

void WriteChartItems(const charts::TableChartPlan& plan, const ChartOutput& output, CHtmlWriter& writer) {
  for (const charts::PlanItem& item : plan.items) {
    if (const auto* chart = std::get_if<charts::ChartItem>(&item)) {
      WriteImage(*chart, output, plan.table_name, writer);
    } else if (const auto* note = std::get_if<charts::NoteItem>(&item)) {
      WriteNote(*note, writer);
    } else {
      WritePageBreak(writer);
    }
  }
}

}  // namespace tabulo::html
