#pragma once

#include "office/chart/chart_series.h"

namespace tabulo::office {

class XmlWriter;

// The data references of a series with their cached values, which readers
// that do not calculate draw from; literal data where a formula is empty.

// <c:tx>: a reference to the name cells, or the name itself; nothing for a
// series without either (the application then numbers it).
void WriteSeriesName(XmlWriter& xml, const SeriesName& name);

// <c:cat>: one level as <c:strRef>, several as <c:multiLvlStrRef> (inner
// level first, each outer label only at the point where it starts);
// nothing without labels.
void WriteCategories(XmlWriter& xml, const CategoryLabels& categories);

// <c:val>: the numbers in their format, gaps left out.
void WriteValues(XmlWriter& xml, const SeriesValues& values);

}  // namespace tabulo::office
