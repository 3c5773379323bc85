#pragma once

#include <initializer_list>
#include <string>

namespace tabulo::text::testing {

// Small pieces of Tables XML, so that a test shows only what matters to it.

inline std::string Join(std::initializer_list<std::string> parts) {
  std::string joined;
  for (const std::string& part : parts) joined += part;
  return joined;
}

// <Element Name="name" Label="label" .../>
inline std::string El(const std::string& name, const std::string& label, const std::string& extra = "") {
  return "<Element Name=\"" + name + "\" Label=\"" + label + "\"" + (extra.empty() ? "" : " " + extra) + "/>";
}

// <Heading Name="name" .../>
inline std::string Hd(const std::string& name, const std::string& extra = "") {
  return "<Heading Name=\"" + name + "\"" + (extra.empty() ? "" : " " + extra) + "/>";
}

// A variable: its elements, its element headings (every instance's block)
// and, for nesting, its SubAxes and AxisHeadings.
inline std::string Var(const std::string& name, const std::string& label, const std::string& elements,
                       const std::string& headings, const std::string& sub_axes = "",
                       const std::string& axis_headings = "") {
  std::string xml = "<Axis Name=\"" + name + "\" Label=\"" + label + "\"><Elements>" + elements +
                    "</Elements><ElementHeadings>" + headings + "</ElementHeadings>";
  if (!sub_axes.empty())
    xml += "<SubAxes>" + sub_axes + "</SubAxes><AxisHeadings>" + axis_headings + "</AxisHeadings>";
  return xml + "</Axis>";
}

// A root axis ("Top" or "Side") with its variables and the headings naming them.
inline std::string Root(const std::string& name, const std::string& variables, const std::string& headings) {
  return "<Axis Name=\"" + name + "\"><SubAxes>" + variables + "</SubAxes><AxisHeadings>" + headings +
         "</AxisHeadings></Axis>";
}

inline std::string Table(const std::string& attributes, const std::string& axes,
                         const std::string& rest = "") {
  return "<Table Name=\"T\" " + attributes + "><Axes>" + axes + "</Axes>" + rest + "</Table>";
}

inline std::string Doc(const std::string& tables) {
  return "<Document><DataSet/><Tables>" + tables + "</Tables></Document>";
}

inline std::string CellItems(int count) {
  std::string xml = "<CellItems>";
  for (int i = 0; i < count; ++i) xml += "<CellItem/>";
  return xml + "</CellItems>";
}

inline std::string Rows(const std::string& rows) {
  return "<CellValues><Layer>" + rows + "</Layer></CellValues>";
}

// The Gender variable: Male and Female.
inline std::string Gender(const std::string& male_extra = "", const std::string& female_extra = "") {
  return Var("Gender", "Gender", El("M", "Male", male_extra) + El("F", "Female", female_extra),
             Hd("M") + Hd("F"));
}

// The Age variable: Young and Old, with `blocks` instances of headings.
inline std::string Age(int blocks = 1, const std::string& young_extra = "",
                       const std::string& old_extra = "") {
  std::string headings;
  for (int i = 0; i < blocks; ++i) headings += Hd("Y") + Hd("O");
  return Var("Age", "Age", El("Y", "Young", young_extra) + El("O", "Old", old_extra), headings);
}

// Four header or footer lines of a table without annotations, comma-delimited.
inline constexpr const char* kNoAnnotations = ",\r\n,\r\n,\r\n,\r\n";
inline constexpr const char* kTableEnd = ",\r\n,\r\n,\r\n,\r\n\f\r\n";

}  // namespace tabulo::text::testing
