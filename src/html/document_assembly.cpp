#include "html/document_assembly.h"

#include <memory>

#include "charts/planning/plan_table_charts.h"
#include "frame/cnx_format.h"
#include "frame/component_info.h"
#include "frame/string_table.h"
#include "frame/vocabularies.h"
#include "html/grid.h"
#include "html/grid_cell.h"
#include "html/markup_sanitizer.h"
#include "html/page_break.h"
#include "html/table_charts.h"
#include "tables/ctable.h"
#include "tables/table_layout.h"

namespace tabulo::html {
namespace {

constexpr int kItemDoesNotExist = 2017;
constexpr int kTopLinkText = 371;
constexpr std::string_view kContentsPage = "ContentsPage.htm";

struct Attribute {
  std::string_view name;
  std::string_view value;
};

void Start(CHtmlWriter& writer, std::string_view name, std::initializer_list<Attribute> attributes) {
  writer.BeginElement(name);
  for (const Attribute& attribute : attributes) writer.AddAttribute(attribute.name, attribute.value);
  writer.StartElementWithAttributes();
}

void Empty(CHtmlWriter& writer, std::string_view name, std::initializer_list<Attribute> attributes) {
  Start(writer, name, attributes);
  writer.EndElement(name);
}

std::string WeblineText(int id) {
  return frame::LoadString(frame::Component(frame::ComponentKind::kWebline), id).value_or(std::string());
}

}  // namespace

DocumentAssembly::DocumentAssembly(tables::CDocument& document, const CRenderSettings& settings,
                                   const ChartPainter& paint)
    : document_(document),
      settings_(settings),
      paint_(paint),
      files_folder_(FilesFolderOf(settings.destination)),
      page_names_(document.Tables() != nullptr ? TablePageNames(*document.Tables())
                                               : std::vector<std::string>{}) {}

void DocumentAssembly::Render(CHtmlWriter& writer) {
  if (settings_.layout_style == layout_style::kFrameTableOfContents && !settings_.output_body_only) {
    RenderFrameset(writer);
  } else {
    RenderDocumentPage(writer, false);
  }
}

void DocumentAssembly::RenderDocumentPage(CHtmlWriter& writer, bool in_files_folder) {
  // The document is still started and ended without its frame: ending it is
  // what hands a body-only page to its file or stream.
  if (settings_.output_body_only) {
    writer.StartDocument();
    RenderContent(writer, in_files_folder);
    writer.EndDocument();
    return;
  }
  writer.StartDocument();
  writer.StartElement("html");
  Head(writer, true, in_files_folder);
  writer.StartElement("body");
  RenderContent(writer, in_files_folder);
  writer.EndElement("body");
  writer.EndElement("html");
  writer.EndDocument();
}

void DocumentAssembly::RenderFrameset(CHtmlWriter& writer) {
  std::string contents_link = EncodeBlanks(files_folder_.relative_name + "/" + std::string(kContentsPage));
  writer.StartDocument();
  writer.StartElement("html");
  Head(writer, false, false);
  writer.StartElement("noframes");
  writer.Text("You are not using a frames-aware browser.");
  writer.LineBreak();
  writer.Text("Click ");
  Start(writer, "A", {{"HREF", contents_link}});
  writer.Text("here");
  writer.EndElement("A");
  writer.Text(" for a table of contents.");
  writer.EndElement("noframes");
  Start(writer, "frameset", {{"COLS", "20%,80%"}});
  Empty(writer, "frame", {{"src", contents_link}});
  std::string first_page = page_names_.empty() ? std::string(kContentsPage) : page_names_.front();
  Empty(writer, "frame", {{"src", files_folder_.relative_name + "/" + first_page}, {"Name", "Table"}});
  writer.EndElement("frameset");
  writer.EndElement("html");
  writer.EndDocument();

  std::unique_ptr<CHtmlWriter> contents = PageWriter(FolderForPages() / kContentsPage);
  RenderDocumentPage(*contents, true);
}

void DocumentAssembly::RenderContent(CHtmlWriter& writer, bool in_files_folder) {
  std::size_t table_count = document_.Tables() != nullptr ? document_.Tables()->size() : 0;
  switch (settings_.layout_style) {
    case layout_style::kTableOfContents:
      TitleFrame(writer, settings_.include_title_block, in_files_folder);
      TableOfContents(writer);
      RenderTables(writer, true);
      return;
    case layout_style::kFrameTableOfContents:
      Start(writer, "table",
            {{"width", "1024"},
             {"height", "100%"},
             {"align", "left"},
             {"valign", "top"},
             {"border", "0"},
             {"cellpadding", "0"},
             {"cellspacing", "0"}});
      writer.StartElement("tr");
      Start(writer, "td", {{"align", "left"}, {"valign", "top"}});
      if (settings_.display_title) SurveyHeadings(writer);
      TableOfContents(writer);
      writer.EndElement("td");
      writer.EndElement("tr");
      writer.EndElement("table");
      RenderTables(writer, true);
      return;
    default: {
      Empty(writer, "A", {{"NAME", "Top"}});
      if (settings_.include_title_block) TitleFrame(writer, true, in_files_folder);
      bool contents = table_count >= 2 && settings_.include_toc && settings_.table_name.empty();
      if (contents) TableOfContents(writer);
      RenderTables(writer, contents);
      return;
    }
  }
}

void DocumentAssembly::TitleFrame(CHtmlWriter& writer, bool with_title_block, bool in_files_folder) {
  Start(writer, "table", {{"width", "100%"}});
  writer.StartElement("tr");
  writer.StartElement("td");
  if (with_title_block) {
    Logo(writer, in_files_folder);
    if (settings_.display_title) SurveyHeadings(writer);
  }
  writer.EndElement("td");
  writer.EndElement("tr");
  writer.EndElement("table");
}

void DocumentAssembly::RenderTables(CHtmlWriter& writer, bool contents_written) {
  tables::CTables* tables = document_.Tables();
  if (tables == nullptr) return;
  bool single = settings_.layout_style != layout_style::kTableOfContents &&
                settings_.layout_style != layout_style::kFrameTableOfContents;
  std::vector<std::size_t> chosen;
  if (!settings_.table_name.empty()) {
    for (std::size_t i = 0; i < tables->size() && chosen.empty(); ++i) {
      if (frame::EqualsAsciiIgnoringCase((*tables)[i].Name(), settings_.table_name)) chosen.push_back(i);
    }
    if (chosen.empty()) {
      frame::CNXFormat format(frame::Component(frame::ComponentKind::kWebline));
      format.Format(kItemDoesNotExist, settings_.table_name);
      throw HtmlError(format.GetText());
    }
  } else {
    for (std::size_t i = 0; i < tables->size(); ++i) chosen.push_back(i);
  }
  bool first = true;
  for (std::size_t index : chosen) {
    tables::CTable& table = (*tables)[index];
    if (!single) {
      RenderTablePage(table, page_names_[index]);
      continue;
    }
    if (!first || contents_written) {
      if (settings_.printing_page_break) WritePageBreak(writer);
      Empty(writer, "HR", {{"align", "left"}, {"width", "100%"}, {"size", "2"}});
    }
    first = false;
    RenderTableBlock(table, page_names_[index], writer);
  }
}

void DocumentAssembly::RenderTableBlock(tables::CTable& table, std::string_view page_name,
                                        CHtmlWriter& writer) {
  tables::PrepareTableLayout(table);
  bool single = settings_.layout_style != layout_style::kTableOfContents &&
                settings_.layout_style != layout_style::kFrameTableOfContents;
  if (single) Empty(writer, "A", {{"NAME", table.Name()}});
  charts::TableChartPlan charts =
      charts::PlanTableCharts(table, ChartSettingsOf(settings_, files_folder_, !single, page_name));
  ChartOutput chart_output{[this] { return FolderForPages(); }, settings_.chart_image_format, paint_};
  if (charts.position == charts::ChartPosition::kBeforeGrid) WriteChartItems(charts, chart_output, writer);
  if (settings_.display_option != display_option::kChartOnly) {
    if (settings_.display_annotations) {
      RenderAnnotations(table, settings_, writer, true);
      writer.LineBreak();
      RenderGrid(table, settings_, writer);
      writer.LineBreak();
      RenderAnnotations(table, settings_, writer, false);
    } else {
      RenderGrid(table, settings_, writer);
      writer.LineBreak();
    }
  }
  if (charts.position == charts::ChartPosition::kAfterGrid) WriteChartItems(charts, chart_output, writer);
  if (single) TopLink(writer);
}

std::filesystem::path DocumentAssembly::FolderForPages() {
  if (!folder_ready_) {
    EnsureFolder(files_folder_.full_path);
    folder_ready_ = true;
  }
  return files_folder_.full_path;
}

std::unique_ptr<CHtmlWriter> DocumentAssembly::PageWriter(const std::filesystem::path& path) {
  auto writer = std::make_unique<CHtmlWriter>(settings_.indent_output);
  writer->OutputToFile(path);
  return writer;
}

void DocumentAssembly::RenderTablePage(tables::CTable& table, const std::string& page_name) {
  std::unique_ptr<CHtmlWriter> page = PageWriter(FolderForPages() / page_name);
  CHtmlWriter& writer = *page;
  writer.StartDocument();
  writer.StartElement("html");
  Head(writer, true, true);
  writer.StartElement("body");
  Start(writer, "table", {{"width", "100%"}});
  writer.StartElement("tr");
  writer.StartElement("td");
  Logo(writer, true);
  writer.EndElement("td");
  writer.EndElement("tr");
  writer.EndElement("table");
  RenderTableBlock(table, page_name, writer);
  writer.EndElement("body");
  writer.EndElement("html");
  writer.EndDocument();
}

void DocumentAssembly::Head(CHtmlWriter& writer, bool with_stylesheet, bool in_files_folder) {
  writer.StartElement("head");
  Empty(writer, "meta", {{"http-equiv", "Content-Type"}, {"content", "text/html; charset=utf-8"}});
  if (with_stylesheet) {
    if (settings_.embed_css) {
      Start(writer, "style", {{"type", "text/css"}});
      writer.Comment(settings_.stylesheet_text);
      writer.EndElement("style");
    } else {
      std::string href = (in_files_folder ? "../" : "") +
                         (!settings_.custom_css.empty() ? settings_.custom_css : settings_.css_location);
      Empty(writer, "link", {{"rel", "stylesheet"}, {"href", EncodeBlanks(href)}, {"type", "text/css"}});
    }
  }
  writer.EndElement("head");
}

void DocumentAssembly::Logo(CHtmlWriter& writer, bool in_files_folder) {
  if (!settings_.display_logo) return;
  Empty(writer, "img",
        {{"align", "right"}, {"class", "TableLogo"}, {"src", in_files_folder ? "../logo.png" : "logo.png"}});
}

void DocumentAssembly::SurveyHeadings(CHtmlWriter& writer) {
  if (const tables::CDataSet* data_set = document_.DataSet()) {
    Start(writer, "H1", {{"class", "SurveyName"}});
    writer.Text(data_set->Description());
    writer.EndElement("H1");
  }
  Start(writer, "H1", {{"class", "SurveyDescription"}});
  writer.Text(document_.Description());
  writer.EndElement("H1");
}

std::string DocumentAssembly::TableLink(std::size_t index) const {
  const tables::CTable& table = (*document_.Tables())[index];
  switch (settings_.layout_style) {
    case layout_style::kTableOfContents:
      return files_folder_.relative_name + "/" + page_names_[index];
    case layout_style::kFrameTableOfContents:
      return page_names_[index];
    default:
      return "#" + table.Name();
  }
}

void DocumentAssembly::TableOfContents(CHtmlWriter& writer) {
  writer.StartElement("table");
  writer.StartElement("tr");
  Start(writer, "td", {{"class", "Annotation"}});
  writer.Text("Table of Contents:");
  writer.EndElement("td");
  writer.EndElement("tr");
  writer.EndElement("table");

  Start(writer, "table", {{"cellpadding", "0"}, {"cellspacing", "0"}});
  writer.StartElement("tr");
  for (std::string_view title : {"", "Table Description", "Filter Description", "Base"}) {
    Start(writer, "td", {{"class", "TableOfContentsTitle"}});
    writer.Text(title);
    writer.EndElement("td");
  }
  writer.EndElement("tr");
  const tables::CTables* tables = document_.Tables();
  bool frames = settings_.layout_style == layout_style::kFrameTableOfContents;
  for (std::size_t i = 0; tables != nullptr && i < tables->size(); ++i) {
    const tables::CTable& table = (*tables)[i];
    std::string link = TableLink(i);
    auto linked = [&](auto&& content) {
      Start(writer, "td", {{"class", "TableOfContents"}});
      if (frames) {
        Start(writer, "A", {{"HREF", link}, {"TARGET", "Table"}});
      } else {
        Start(writer, "A", {{"HREF", link}});
      }
      content();
      writer.EndElement("A");
      writer.EndElement("td");
    };
    writer.StartElement("tr");
    linked([&] { writer.Text(std::to_string(i + 1)); });
    linked([&] { writer.Text(SanitizeMarkup(table.Description()), true); });
    Start(writer, "td", {{"class", "TableOfContents"}});
    if (const tables::CFilters* filters = table.Filters()) {
      for (std::size_t f = 0; f < filters->size(); ++f) {
        if (f > 0) writer.Text("<B> AND</B><BR/>", true);
        const tables::CFilter& filter = (*filters)[f];
        if (!filter.Description().empty()) {
          writer.Text(SanitizeMarkup(filter.Description()), true);
        } else {
          writer.Text(filter.Expression());
        }
      }
    }
    writer.EndElement("td");
    Start(writer, "td", {{"class", "TableOfContents"}});
    writer.Text(table.Base());
    writer.EndElement("td");
    writer.EndElement("tr");
  }
  writer.EndElement("table");
}

void DocumentAssembly::TopLink(CHtmlWriter& writer) {
  Start(writer, "A", {{"class", "TopLink"}, {"HREF", "#Top"}});
  writer.Text(WeblineText(kTopLinkText));
  writer.EndElement("A");
}

}  // namespace tabulo::html
