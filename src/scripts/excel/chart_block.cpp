#include "scripts/excel/chart_block.h"

#include <algorithm>
#include <utility>

#include "scripts/excel/logic_error.h"

namespace tabulo::excel {
namespace {

constexpr std::string_view kClassName = "CChartBlock";

}  // namespace

void CChartBlock::Initialize(std::int64_t capacity, std::string axis_name, std::string axis_path,
                             std::string axis_element_path) {
  capacity_ = std::max<std::int64_t>(0, capacity);
  axis_name_ = std::move(axis_name);
  axis_path_ = std::move(axis_path);
  axis_element_path_ = std::move(axis_element_path);
  entries_.clear();
  entries_.reserve(static_cast<std::size_t>(std::min<std::int64_t>(capacity_, 4096)));
}

void CChartBlock::AddElement(const xml::Node& element, const xml::Node& heading, std::int64_t index) {
  if (ElementCount() >= capacity_) RaiseClassError(kClassName, "AddElement", "Unable to add element");
  entries_.push_back(Entry{element, heading, index});
}

const CChartBlock::Entry& CChartBlock::At(std::int64_t i, std::string_view method) const {
  if (i < 0 || i >= ElementCount()) RaiseClassError(kClassName, method, "Invalid arguments");
  return entries_[static_cast<std::size_t>(i)];
}

const xml::Node& CChartBlock::ElementNode(std::int64_t i) const { return At(i, "ElementNode").element; }

const xml::Node& CChartBlock::ElementHeading(std::int64_t i) const { return At(i, "ElementHeading").heading; }

std::int64_t CChartBlock::ElementIndex(std::int64_t i) const { return At(i, "ElementIndex").index; }

}  // namespace tabulo::excel
