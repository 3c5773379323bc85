#include "scripts/text/table_builder.h"

namespace tabulo::text {

TableBuilder::TableBuilder(const xml::Attributes& table_attributes) {
  Open("Table", table_attributes);
  populated_ = tree_.Attribute(tree_.Root(), AttributeName::kIsPopulated) == "true";
}

void TableBuilder::Open(std::string_view name, const xml::Attributes& attributes) {
  kept_.clear();
  for (int i = 0; i < attributes.Count(); ++i) {
    if (auto known = TableTree::AttributeNameOf(attributes.Name(i)))
      kept_.push_back({*known, attributes.Value(i)});
  }
  tree_.Open(name, kept_);
}

bool TableBuilder::IsValueRow(std::string_view name) const {
  if (name != "row") return false;
  std::optional<NodeId> layer = tree_.Current();
  if (!layer || tree_.Kind(*layer) != NodeKind::kLayer) return false;
  std::optional<NodeId> cell_values = tree_.Parent(*layer);
  return cell_values && tree_.Kind(*cell_values) == NodeKind::kCellValues &&
         tree_.Parent(*cell_values) == tree_.Root();
}

void TableBuilder::StartElement(std::string_view name, const xml::Attributes& attributes) {
  if (skipped_depth_ > 0) {
    ++skipped_depth_;
    return;
  }
  if (!IsValueRow(name)) {
    Open(name, attributes);
    return;
  }
  skipped_depth_ = 1;
  if (!populated_) return;
  values_->StartRow();
  for (int i = 0; i < attributes.Count(); ++i) values_->AddAttribute(attributes.Name(i), attributes.Value(i));
  values_->EndRow();
}

bool TableBuilder::EndElement() {
  if (skipped_depth_ > 0) {
    --skipped_depth_;
    return false;
  }
  bool table_ends = tree_.Current() == tree_.Root();
  tree_.Close();
  return table_ends;
}

}  // namespace tabulo::text
