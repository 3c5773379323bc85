#include "scripts/text/ctable.h"

#include "scripts/text/ctable_render.h"

namespace tabulo::text {
namespace {

// An axis without variables, or without headings to show them, counts as absent.
std::optional<NodeId> UsedRootAxis(const TableQueries& queries, std::string_view name) {
  std::optional<NodeId> axis = queries.RootAxis(name);
  if (axis && !queries.HasVariables(*axis)) return std::nullopt;
  return axis;
}

// A missing annotation, or one without text, is an empty annotation.
std::string_view AnnotationText(const TableQueries& queries, std::string_view position) {
  std::optional<NodeId> annotation = queries.Annotation(position);
  if (!annotation) return {};
  return queries.Tree().AttributeOrEmpty(*annotation, AttributeName::kText);
}

}  // namespace

void CTable::RenderTable(const TableTree& table, std::unique_ptr<ValueRows> values,
                         const CTextProperties& properties) {
  TableQueries queries(table);
  values_ = values ? std::move(values) : std::make_unique<ValueRows>();
  field_delimiter_ = properties.FieldDelimiter();
  table_delimiter_ = properties.TableDelimiter();
  top_axis_.Props(properties);
  side_axis_.Props(properties);

  populated_ = table.Attribute(table.Root(), AttributeName::kIsPopulated) == "true";
  profile_ = table.Attribute(table.Root(), AttributeName::kType) == "Profile";
  ReadGeometry(queries);
  include_column_headings_ = queries.IncludesColumnHeadings();

  side_options_.Size(all_rows_ + 2);
  top_options_.Size(all_columns_ + 2);
  if (populated_ && !side_) side_options_.Set(0, CELL_OPTION_NORMAL);
  if (populated_ && !top_) top_options_.Set(0, CELL_OPTION_NORMAL);
  if (all_rows_ == 0) all_rows_ = 1;
  if (all_columns_ == 0) all_columns_ = 1;

  if (properties.DisplayAnnotations()) ReadAnnotations(queries);
  TableRender render(queries, properties);
  PopulateAxes(render);
  if (populated_) PopulateCellValues(queries);
}

void CTable::ReadGeometry(const TableQueries& queries) {
  side_ = UsedRootAxis(queries, "Side");
  if (side_) {
    side_depth_ = queries.AxisDepth(*side_);
    shown_rows_ = queries.LeafCount(*side_, ElementRule::kShown);
    all_rows_ = queries.LeafCount(*side_, ElementRule::kAll);
  } else {
    side_depth_ = 0;
    shown_rows_ = 1;
    all_rows_ = 0;
  }
  top_ = UsedRootAxis(queries, "Top");
  if (top_) {
    top_depth_ = queries.AxisDepth(*top_);
    shown_columns_ = queries.LeafCount(*top_, ElementRule::kShown);
    all_columns_ = queries.LeafCount(*top_, ElementRule::kAll);
  } else {
    top_depth_ = 0;
    shown_columns_ = 1;
    all_columns_ = 0;
  }
}

void CTable::ReadAnnotations(const TableQueries& queries) {
  header_.Title(AnnotationText(queries, "TitleHeader"));
  header_.Left(AnnotationText(queries, "LeftHeader"));
  header_.Right(AnnotationText(queries, "RightHeader"));
  header_.Center(AnnotationText(queries, "CenterHeader"));
  footer_.Title(AnnotationText(queries, "TitleFooter"));
  footer_.Left(AnnotationText(queries, "LeftFooter"));
  footer_.Center(AnnotationText(queries, "CenterFooter"));
  footer_.Right(AnnotationText(queries, "RightFooter"));
}

std::size_t CTable::TableHeight() const {
  std::size_t side_lines = side_axis_.Height();
  if (side_lines == 0 && populated_ && empty_side_) side_lines = 1;
  return top_axis_.Height() + side_lines + 2 * CHeaderFooter::HeightOfHFBlock();
}

std::string CTable::GetLineStr(std::size_t row) {
  std::string line;
  AppendLineStr(row, line);
  return line;
}

void CTable::AppendLineStr(std::size_t row, std::string& out) {
  constexpr std::size_t kBlock = CHeaderFooter::HeightOfHFBlock();
  std::size_t top_height = top_axis_.Height();
  std::size_t height = TableHeight();
  if (row < kBlock) {
    out.append(header_.GetLine(row));
    out.append(field_delimiter_);
  } else if (row < top_height + kBlock) {
    top_axis_.AppendLineStr(row - kBlock, out);
  } else if (row < height - kBlock) {
    if (!flat_leaf_ && !empty_side_) {
      side_axis_.AppendLineStr(row - (top_height + kBlock), out);
      flat_leaf_ = side_axis_.FlatLeaf();
      out.append(field_delimiter_);
      if (flat_leaf_) {
        ReadNextNumbers(out);
      } else {
        cell_item_cursor_ = 0;
      }
    } else {
      out.append(field_delimiter_);
      ReadNextNumbers(out);
    }
  } else if (row < height) {
    out.append(footer_.GetLine(row - (height - kBlock)));
    out.append(field_delimiter_);
    if (row == height - 1) {
      out.append("\r\n");
      out.append(table_delimiter_);
    }
  }
}

void CTable::ReadNextNumbers(std::string& out) {
  flat_leaf_ = data_.GetLine(data_row_cursor_, cell_item_cursor_, out);
  if (flat_leaf_) {
    ++cell_item_cursor_;
  } else {
    cell_item_cursor_ = 0;
    ++data_row_cursor_;
  }
}

}  // namespace tabulo::text
