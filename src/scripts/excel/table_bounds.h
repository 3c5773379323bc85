#pragma once

#include <cstdint>

namespace tabulo::excel {

// Columns of a worksheet as the tables use it.
inline constexpr std::int64_t conMaxTableColumns = 256;
// Rows used as the worksheet bound (by the charts).
inline constexpr std::int64_t conMaxTableRows = 65000;

}  // namespace tabulo::excel
