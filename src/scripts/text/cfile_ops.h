#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace tabulo::text {

class CDocument;
class CTextProperties;

using ProgressCallback = std::function<void(std::size_t done, std::size_t total)>;

// Writes the document's lines to the file named by Destination.
class CFileOps {
 public:
  CFileOps(const CTextProperties& properties, CDocument& document)
      : properties_(properties), document_(document) {}

  // Renders the Tables XML through the document while writing its lines,
  // then saves the file, replacing an existing one only with
  // OverwriteOutput. Reports progress after each table when given.
  void OutputFile(std::string_view tables_xml, const ProgressCallback& progress);

  // A cheap count of the tables for progress display: the "<Table" start tags.
  static std::size_t EstimateTableCount(std::string_view tables_xml);

 private:
  const CTextProperties& properties_;
  CDocument& document_;
};

}  // namespace tabulo::text
