#include "scripts/text/cfile_ops.h"

#include <algorithm>

#include "scripts/text/cdocument.h"
#include "scripts/text/ctext_properties.h"
#include "scripts/text/text_file.h"

namespace tabulo::text {
namespace {

class FileSink final : public DocumentSink {
 public:
  FileSink(TextFile& file, const ProgressCallback& progress, std::size_t total)
      : file_(file), progress_(progress), total_(total) {}

  void Descriptions(std::string_view project, std::string_view document) override {
    file_.Descriptions(project, document);
  }
  void Line(std::string_view line) override { file_.WriteLine(line); }
  void TableDone() override {
    ++done_;
    if (progress_) progress_(done_, std::max(done_, total_));
  }

 private:
  TextFile& file_;
  const ProgressCallback& progress_;
  std::size_t total_;
  std::size_t done_ = 0;
};

}  // namespace

std::size_t CFileOps::EstimateTableCount(std::string_view tables_xml) {
  constexpr std::string_view kTag = "<Table";
  std::size_t count = 0;
  for (std::size_t at = tables_xml.find(kTag); at != std::string_view::npos;
       at = tables_xml.find(kTag, at + 1)) {
    std::size_t next = at + kTag.size();
    if (next < tables_xml.size() &&
        std::string_view(" \t\r\n/>").find(tables_xml[next]) != std::string_view::npos) {
      ++count;
    }
  }
  return count;
}

void CFileOps::OutputFile(std::string_view tables_xml, const ProgressCallback& progress) {
  TextFile file(properties_.Destination());
  FileSink sink(file, progress, progress ? EstimateTableCount(tables_xml) : 0);
  document_.RenderDocument(tables_xml, sink);
  file.Save(properties_.OverwriteOutput());
}

}  // namespace tabulo::text
