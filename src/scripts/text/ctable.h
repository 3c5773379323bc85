#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "scripts/text/caxis.h"
#include "scripts/text/cdata.h"
#include "scripts/text/cell_options.h"
#include "scripts/text/cheader_footer.h"
#include "scripts/text/table_tree.h"
#include "scripts/text/value_rows.h"

namespace tabulo::text {

class CTextProperties;
class TableQueries;
struct TableRender;

// One table as output lines: four header lines, the top-axis lines, one line
// per flat side item (a leaf adds one more line for each further cell item),
// four footer lines, the last followed by CR LF and the table delimiter.
class CTable {
 public:
  // Builds the table's axes, annotations and values from its elements.
  // Throws ScriptError when the table refers to missing parts.
  void RenderTable(const TableTree& table, std::unique_ptr<ValueRows> values,
                   const CTextProperties& properties);

  // The string of line `row`. Lines must be read in order: a side leaf with
  // several cell items is read again at the same row until FlatLeaf is clear.
  std::string GetLineStr(std::size_t row);
  void AppendLineStr(std::size_t row, std::string& out);
  // Lines of the table, not counting the further cell-item lines of leaves.
  std::size_t TableHeight() const;
  // The line just read was a side leaf whose further cell items follow.
  bool FlatLeaf() const { return flat_leaf_; }

 private:
  void ReadGeometry(const TableQueries& queries);
  void ReadAnnotations(const TableQueries& queries);
  void PopulateAxes(TableRender& render);
  void PopulateAxisTraverse(TableRender& render, NodeId axis, std::uint64_t parent_heading,
                            bool parent_has_values);
  void PopulateFlatAxisTraverse(TableRender& render, NodeId axis, std::uint64_t parent_heading,
                                bool parent_has_values);
  void AddAxisElement(TableRender& render, std::string_view text, std::uint64_t depth);
  void SetNextOption(TableRender& render, CellOptions& options, CellOption option);
  void SetHiddenOptions(TableRender& render, CellOptions& options, NodeId axis, std::uint64_t heading,
                        bool has_values, std::uint64_t width);
  void PopulateCellValues(const TableQueries& queries);
  void FillRow(std::uint64_t table_row, std::uint64_t value_row, std::size_t cell_items);
  void ReadNextNumbers(std::string& out);

  CAxis top_axis_;
  CAxis side_axis_;
  CHeaderFooter header_;
  CHeaderFooter footer_;
  CData data_;
  std::unique_ptr<ValueRows> values_;  // CData views its texts, so they must not move
  std::string field_delimiter_;
  std::string table_delimiter_;

  std::optional<NodeId> top_;
  std::optional<NodeId> side_;
  std::uint64_t side_depth_ = 0;
  std::uint64_t shown_rows_ = 0;
  std::uint64_t all_rows_ = 0;
  std::uint64_t top_depth_ = 0;
  std::uint64_t shown_columns_ = 0;
  std::uint64_t all_columns_ = 0;

  bool populated_ = false;
  bool profile_ = false;
  bool include_column_headings_ = false;
  bool empty_side_ = true;

  CellOptions side_options_;
  CellOptions top_options_;
  std::uint64_t option_index_ = 1;

  bool flat_leaf_ = false;
  std::size_t cell_item_cursor_ = 0;
  std::uint64_t data_row_cursor_ = 0;
};

}  // namespace tabulo::text
