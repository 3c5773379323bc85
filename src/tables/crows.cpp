#include "tables/crows.h"

#include <limits>

#include "tables/ascii_case.h"
#include "tables/markup_text.h"
#include "tables/tables_error.h"

namespace tabulo::tables {
namespace {

constexpr std::size_t kMaxOffset = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::string_view CRow::operator[](std::size_t index) const { return rows_->Value(first_ + index); }

CSAXEventHandler* CRows::CreateChildHandler(std::string_view local_name, const xml::Attributes& attributes) {
  if (!in_layer_) {
    if (!EqualsIgnoringCase(local_name, "Layer")) return nullptr;
    in_layer_ = true;
    return this;
  }
  if (!EqualsIgnoringCase(local_name, "row")) return nullptr;
  AppendRow(attributes);
  row_handler_.OnStartElement(Context(), attributes);
  return &row_handler_;
}

void CRows::OnEndElement(std::string_view) {
  if (!in_layer_) {
    // The end of CellValues: the store is complete, so drop the spare room
    // its growth left, which would otherwise stay for the whole render.
    text_.shrink_to_fit();
    value_ends_.shrink_to_fit();
    row_firsts_.shrink_to_fit();
  }
  in_layer_ = false;
}

void CRows::AppendRow(const xml::Attributes& attributes) {
  // Offsets are 32 bits wide to keep the store small; a table whose values
  // alone exceed 4 GiB is refused rather than wrapped.
  if (value_ends_.size() >= kMaxOffset) RaiseUnexpected();
  row_firsts_.push_back(static_cast<std::uint32_t>(value_ends_.size()));
  for (int i = 1; i < attributes.Count(); ++i) {
    AppendMarkupSafe(attributes.Value(i), text_);
    if (text_.size() > kMaxOffset || value_ends_.size() >= kMaxOffset) RaiseUnexpected();
    value_ends_.push_back(static_cast<std::uint32_t>(text_.size()));
  }
}

CRow CRows::operator[](std::size_t index) const {
  std::size_t first = row_firsts_[index];
  std::size_t end = index + 1 < row_firsts_.size() ? row_firsts_[index + 1] : value_ends_.size();
  return CRow(*this, first, end - first);
}

std::string_view CRows::Value(std::size_t index) const {
  std::size_t begin = index == 0 ? 0 : value_ends_[index - 1];
  return std::string_view(text_).substr(begin, value_ends_[index] - begin);
}

}  // namespace tabulo::tables
