#include "scripts/text/caxis.h"

#include "scripts/text/ctext_properties.h"

namespace tabulo::text {

void CAxis::Props(const CTextProperties& properties) { delimiter_ = properties.FieldDelimiter(); }

void CAxis::InitFlatAxis() {
  flat_ = true;
  flat_leaf_ = false;
  items_.clear();
}

void CAxis::SetFlatItem(std::string_view text, bool leaf) { items_.emplace_back(text, leaf); }

std::string CAxis::GetLineStr(std::size_t index) {
  std::string line;
  AppendLineStr(index, line);
  return line;
}

void CAxis::AppendLineStr(std::size_t index, std::string& out) {
  if (flat_) {
    flat_leaf_ = index < items_.size() && items_[index].Leaf();
    if (index < items_.size()) out.append(items_[index].Item());
    return;
  }
  if (const CLine* line = GetLine(index)) line->AppendLineStr(out);
}

CLine& CAxis::GetDataLine(std::size_t depth) {
  auto [entry, inserted] = lines_.try_emplace(depth, delimiter_);
  return entry->second;
}

void CAxis::SetDataLine(std::size_t depth, CLine line) { lines_.insert_or_assign(depth, std::move(line)); }

const CLine* CAxis::GetLine(std::size_t index) const {
  auto found = lines_.find(index);
  return found == lines_.end() ? nullptr : &found->second;
}

std::size_t CAxis::LeafCount(std::size_t depth) const {
  if (lines_.size() <= depth) return 0;
  const CLine* last = GetLine(lines_.size() - 1);
  return last == nullptr ? 0 : last->ElementCount();
}

void CAxis::ShiftRight(std::size_t columns) {
  for (auto& [index, line] : lines_) line.PadRight(columns);
}

void CAxis::TransformToSideAxis() {
  std::map<std::size_t, CLine> turned;
  for (auto& [i, line] : lines_) {
    std::size_t count = line.ElementCount();
    for (std::size_t j = 0; j < count; ++j) {
      auto [entry, inserted] = turned.try_emplace(j, delimiter_);
      entry->second.SetElement(i, line.GetElement(j));
    }
  }
  lines_ = std::move(turned);
}

}  // namespace tabulo::text
