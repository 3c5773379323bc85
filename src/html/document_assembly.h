#pragma once

#include <memory>
#include <string>
#include <vector>

#include "html/chart_images.h"
#include "html/chtml_writer.h"
#include "html/files_folder.h"
#include "html/render_settings.h"
#include "tables/cdocument.h"

namespace tabulo::html {

// Turns a parsed document into the pages of one render: the main page (or
// the frameset), and in the contents layouts the table pages and the
// contents page in the files folder.
class DocumentAssembly {
 public:
  DocumentAssembly(tables::CDocument& document, const CRenderSettings& settings, const ChartPainter& paint);

  // The output of a render: the frameset for the frame layout, else the
  // document page.
  void Render(CHtmlWriter& writer);

 private:
  void RenderDocumentPage(CHtmlWriter& writer, bool in_files_folder);
  void RenderFrameset(CHtmlWriter& writer);
  void RenderContent(CHtmlWriter& writer, bool in_files_folder);
  void RenderTables(CHtmlWriter& writer, bool contents_written);
  void RenderTableBlock(tables::CTable& table, std::string_view page_name, CHtmlWriter& writer);
  void RenderTablePage(tables::CTable& table, const std::string& page_name);
  void Head(CHtmlWriter& writer, bool with_stylesheet, bool in_files_folder);
  void Logo(CHtmlWriter& writer, bool in_files_folder);
  void SurveyHeadings(CHtmlWriter& writer);
  void TitleFrame(CHtmlWriter& writer, bool with_title_block, bool in_files_folder);
  void TableOfContents(CHtmlWriter& writer);
  void TopLink(CHtmlWriter& writer);
  std::filesystem::path FolderForPages();
  std::string TableLink(std::size_t index) const;
  std::unique_ptr<CHtmlWriter> PageWriter(const std::filesystem::path& path);

  tables::CDocument& document_;
  const CRenderSettings& settings_;
  const ChartPainter& paint_;
  FilesFolder files_folder_;
  std::vector<std::string> page_names_;
  bool folder_ready_ = false;
};

}  // namespace tabulo::html
