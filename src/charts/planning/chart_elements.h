#pragma once

#include <string_view>
#include <vector>

#include "tables/caxis_heading.h"
#include "tables/celement_heading.h"
#include "tables/ctable.h"

namespace tabulo::charts {

// The elements a chart draws from: categories (and the series of a category
// chart) or the statistics of a special chart.
enum class ElementFamily { kCategory, kSpecial };

// Every instance of a variable of the root axis `root_name` ("Top", "Side")
// in tree order, nested instances included, but only those whose elements
// have no variable nested under them: a variable whose elements carry other
// variables has no cells of its own. Empty when the table lacks the axis.
// Reads the heading trees that PrepareTableLayout built.
std::vector<const tables::CAxisHeading*> ChartVariables(const tables::CTable& table,
                                                        std::string_view root_name);

// The element headings of one variable instance, a net's members after the
// net, in document order.
std::vector<const tables::CElementHeading*> ElementsOf(const tables::CAxisHeading& variable);

// Whether the element heading belongs to the family: it and every element
// it is nested under are shown and carry cell values, its span is not 0 and
// its type is one of the family's.
bool InFamily(const tables::CElementHeading& element, ElementFamily family);

// The elements of the family of a variable instance, in document order.
std::vector<const tables::CElementHeading*> FamilyElements(const tables::CAxisHeading& variable,
                                                           ElementFamily family);

// The first element heading of the instance with cell values, a span that is
// not 0 and the type Base or UnweightedBase; null when there is none.
const tables::CElementHeading* BaseElementOf(const tables::CAxisHeading& variable);

}  // namespace tabulo::charts
