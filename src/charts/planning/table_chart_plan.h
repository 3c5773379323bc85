#pragma once

#include <string>
#include <variant>
#include <vector>

#include "charts/chart_description.h"

namespace tabulo::charts {

// One chart image of a table.
struct ChartItem {
  int number = 1;                  // 1, 2, 3 ... within the table
  std::string file;                // file name inside the files folder: "<table>_<n>.<ext>"
  std::string src;                 // the image element's link, blanks as "%20"
  bool page_break_before = false;  // a page-break paragraph precedes the image
  ChartDescription description;
};

// A note written where a chart cannot be produced. The text is plain: it
// holds names from the document and must be written escaped.
struct NoteItem {
  std::string text;
};

// A page-break paragraph on its own: after the charts that precede a grid.
struct PageBreakItem {};

using PlanItem = std::variant<ChartItem, NoteItem, PageBreakItem>;

// Where the charts stand relative to the grid; kNone when the display option
// makes no charts.
enum class ChartPosition { kNone, kBeforeGrid, kAfterGrid };

// What one table's block shows of charts, in page order.
struct TableChartPlan {
  std::string table_name;
  ChartPosition position = ChartPosition::kNone;
  std::vector<PlanItem> items;
};

}  // namespace tabulo::charts
