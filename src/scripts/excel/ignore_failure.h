#pragma once

#include <exception>

namespace tabulo::excel {

// Runs one operation whose failure the logic absorbs (Excel refuses some
// settings on some chart types, page setup without a printer, ...).
// Returns whether it succeeded.
template <typename Operation>
bool IgnoringFailure(Operation&& operation) {
  try {
    operation();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace tabulo::excel
