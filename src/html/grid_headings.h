#pragma once

#include <string>
#include <vector>

#include "html/render_settings.h"
#include "tables/caxis.h"
#include "tables/caxis_heading.h"
#include "tables/celement_heading.h"

namespace tabulo::html {

// The headings of a root axis in the order the grid writes them: each
// variable, then its element headings, each followed by the variables
// nested under it and then by its net members. Without IncludeCategories
// only variables are listed (those under each variable's first element).
std::vector<const tables::CHeading*> HeadingList(const tables::CAxis& root, const CRenderSettings& settings);

// Id paths: Age{18-24}>Gender{Male}.
std::string IdPath(const tables::CHeading& heading);

// "Axis AxisElementTop AxisElementBase", "Axis AxisSubElementLevel1Side
// AxisElementCategory AxisElementSortedOn", ...
std::string ElementClass(const tables::CElementHeading& heading, bool top);

}  // namespace tabulo::html
