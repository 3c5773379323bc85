#pragma once

#include "xml/document.h"

namespace tabulo::excel {

// What an element is to the charts, by its Type.
enum class ChartElementKind {
  kCategory,  // "Category", "Combine", "Expression"
  kSpecial,   // statistics and totals: "Mean", "StdDev", ..., "Total", "SubTotal"
  kBase,      // "Base", "UnweightedBase"
  kOther,     // never charted (nets, texts, ...)
};

ChartElementKind ChartKindOf(const xml::Node& element);

// Neither ShownOnTable nor HasCellValues is "false".
bool TakesPartInCharts(const xml::Node& element);

// Takes part as a category: a category element that takes part.
bool IsChartCategory(const xml::Node& element);

// Takes part as a series: a category element in a category chart, a special
// element in a special chart.
bool IsChartSeries(const xml::Node& element, bool special);

bool IsChartBase(const xml::Node& element);

}  // namespace tabulo::excel
