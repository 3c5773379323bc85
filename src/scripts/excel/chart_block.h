#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xml/document.h"

namespace tabulo::excel {

// The elements of one leaf variable (a variable without nested variables) as
// reached from its root axis through shown elements that have values: the
// series or categories a chart can take from that variable.
class CChartBlock {
 public:
  // `axis_path` names the parent variables and elements ("Region: North,
  // Age: Young"), `axis_element_path` the parent elements alone ("North,
  // Young"); both are empty for a first-level variable.
  void Initialize(std::int64_t capacity, std::string axis_name, std::string axis_path,
                  std::string axis_element_path);

  // Adds an element with its heading and its index: its row or column among
  // the shown leaves of the root axis. Beyond the capacity raises
  // "CChartBlock.AddElement: Unable to add element".
  void AddElement(const xml::Node& element, const xml::Node& heading, std::int64_t index);

  // The i-th element added (0-based); an index outside 0 to count - 1 raises
  // "CChartBlock.<method>: Invalid arguments".
  const xml::Node& ElementNode(std::int64_t i) const;
  const xml::Node& ElementHeading(std::int64_t i) const;
  std::int64_t ElementIndex(std::int64_t i) const;

  std::int64_t ElementCount() const { return static_cast<std::int64_t>(entries_.size()); }
  const std::string& AxisName() const { return axis_name_; }
  const std::string& AxisPath() const { return axis_path_; }
  const std::string& AxisElementPath() const { return axis_element_path_; }

 private:
  struct Entry {
    xml::Node element;
    xml::Node heading;
    std::int64_t index;
  };
  const Entry& At(std::int64_t i, std::string_view method) const;

  std::int64_t capacity_ = 0;
  std::string axis_name_;
  std::string axis_path_;
  std::string axis_element_path_;
  std::vector<Entry> entries_;
};

}  // namespace tabulo::excel
