#pragma once

#include <string_view>

// Namespace, content type and relationship type of a DrawingML chart part,
// the same in every kind of Office package.
namespace tabulo::office::dml_chart {

inline constexpr std::string_view kNamespace = "http://schemas.openxmlformats.org/drawingml/2006/chart";
inline constexpr std::string_view kContentType =
    "application/vnd.openxmlformats-officedocument.drawingml.chart+xml";
inline constexpr std::string_view kRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/chart";

}  // namespace tabulo::office::dml_chart
