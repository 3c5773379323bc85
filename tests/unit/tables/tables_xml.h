#pragma once

// Small builders of Tables XML fragments, so that a test shows the shape of
// its axes rather than pages of markup.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tabulo::tables::testing {

inline std::string Elements(std::initializer_list<std::string_view> names) {
  std::string xml;
  for (std::string_view name : names) xml += "<Element Name=\"" + std::string(name) + "\"/>";
  return xml;
}

inline std::string Headings(std::initializer_list<std::string_view> names) {
  std::string xml;
  for (std::string_view name : names) xml += "<Heading Name=\"" + std::string(name) + "\"/>";
  return xml;
}

inline std::string Repeat(std::string_view text, int times) {
  std::string xml;
  for (int i = 0; i < times; ++i) xml += text;
  return xml;
}

// A variable with its elements and element headings and, when given, the
// variables nested under it with their axis headings.
inline std::string Variable(std::string_view name, std::string_view elements,
                            std::string_view element_headings, std::string_view nested = {},
                            std::string_view axis_headings = {}) {
  std::string xml = "<Axis Name=\"" + std::string(name) + "\"><Elements>" + std::string(elements) +
                    "</Elements><ElementHeadings>" + std::string(element_headings) + "</ElementHeadings>";
  if (!nested.empty()) {
    xml += "<SubAxes>" + std::string(nested) + "</SubAxes><AxisHeadings>" + std::string(axis_headings) +
           "</AxisHeadings>";
  }
  return xml + "</Axis>";
}

inline std::string RootAxis(std::string_view name, std::string_view variables,
                            std::string_view axis_headings) {
  return "<Axis Name=\"" + std::string(name) + "\"><SubAxes>" + std::string(variables) +
         "</SubAxes><AxisHeadings>" + std::string(axis_headings) + "</AxisHeadings></Axis>";
}

inline std::string OneTable(std::string_view attributes, std::string_view body) {
  return "<Document><Tables><Table " + std::string(attributes) + ">" + std::string(body) +
         "</Table></Tables></Document>";
}

}  // namespace tabulo::tables::testing
