#pragma once

#include <stdexcept>

namespace tabulo::charts {

// Any failure of the chart engine: the reason is readable as it stands
// (what could not be drawn or written, and why).
class ChartError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tabulo::charts
