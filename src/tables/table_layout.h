#pragma once

#include "tables/ctable.h"

namespace tabulo::tables {

// Turns the flat, repeating heading lists of a table's root axes into heading
// trees and computes the geometry the grid and the charts read: spans,
// depths, net levels and leaf flags of every heading, the total span and
// level count of each root axis, and the table's top and side leaf vectors
// (with each leaf's index). A table that has no values or no cell items gets
// the single cell item "Count". Reads the label and layout settings of the
// table's render context. Run it before each rendering; a second run gives
// the same result.
//
// Throws TablesError: message 2103 when a heading list is shorter than the
// variables require, message 2104 when a span exceeds the range of int.
void PrepareTableLayout(CTable& table);

}  // namespace tabulo::tables
