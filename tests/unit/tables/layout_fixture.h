#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tables/table_layout.h"
#include "tables/tables_content_handler.h"

namespace tabulo::tables::testing {

// Parses a document and lays out its first table; the context outlives the
// model as the renderer's settings do.
class LayoutTest : public ::testing::Test {
 protected:
  CTable& Prepare(const std::string& xml) {
    document_.emplace(ParseTablesXml(xml, context_));
    CTable& table = (*document_->Tables())[0];
    PrepareTableLayout(table);
    return table;
  }

  // "span/depth" of each heading, for compact expectations.
  static std::string Shape(const CHeading& heading) {
    return std::to_string(heading.GetSpan()) + "/" + std::to_string(heading.GetDepth());
  }

  static std::vector<std::string> NamePaths(const std::vector<CElementHeading*>& leaves) {
    std::vector<std::string> paths;
    for (const CElementHeading* leaf : leaves) paths.push_back(leaf->GetNamePath());
    return paths;
  }

  static std::vector<int> Spans(const std::vector<CElementHeading*>& leaves) {
    std::vector<int> spans;
    for (const CElementHeading* leaf : leaves) spans.push_back(leaf->GetSpan());
    return spans;
  }

  RenderContext context_;
  std::optional<CDocument> document_;
};

}  // namespace tabulo::tables::testing
