#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "office/spreadsheet/format_table.h"
#include "office/spreadsheet/workbook_context.h"

namespace tabulo::office {

class XmlWriter;

// Builds xl/styles.xml from the formats the cells use: every distinct cell
// format becomes one cell format record (xf) whose index the cells carry,
// with its font, fill, border and number format each written once. Index 0
// is the Normal format; the named styles come after Normal in the style
// records (cellStyleXfs) and the style list (cellStyles), each recorded as
// it was when the first new cell format after it was recorded.
class StyleSheet {
 public:
  explicit StyleSheet(const WorkbookContext& context);

  // The xf index of a format id of the context's table.
  std::uint32_t XfIndex(FormatTable::Id format);
  // The font record of a font (for rich text runs, which carry their own).
  static void WriteFontProperties(XmlWriter& xml, const Font& font, bool in_run);

  std::string Xml() const;

  // The id of a number format code: a built-in id for the codes Office
  // knows by number (0 for "General", 1 for "0", 2 for "0.00", 3 for
  // "#,##0", 4 for "#,##0.00", 9 for "0%", 10 for "0.00%", 11 for
  // "0.00E+00", 12 for "# ?/?", 13 for the two-digit fraction, 48 for "##0.0E+0", 49 for
  // "@"), else the next custom id from 164.
  std::uint32_t NumberFormatId(const std::string& code);

 private:
  struct Xf {
    std::uint32_t number_format = 0;
    std::uint32_t font = 0;
    std::uint32_t fill = 0;
    std::uint32_t border = 0;
    std::uint32_t style = 0;  // index of the style record
    Alignment alignment;
  };
  // Adds the records of the named styles added to the workbook since the
  // last call: a workbook written sheet by sheet may gain styles late. A
  // style redefined after its record was made keeps the earlier record
  // (its cells carry their whole format all the same).
  void RecordNewNamedStyles();
  Xf MakeXf(const CellFormat& format);
  std::uint32_t FontId(const Font& font);
  std::uint32_t FillId(const Fill& fill);
  std::uint32_t BorderId(const Borders& borders);
  std::uint32_t StyleIndex(const std::string& style_name) const;

  const WorkbookContext& context_;
  std::vector<std::pair<std::uint32_t, std::string>> custom_number_formats_;
  std::vector<Font> fonts_;
  std::vector<Fill> fills_;
  std::vector<Borders> borders_;
  std::vector<Xf> style_xfs_;
  std::vector<std::uint32_t> style_xf_includes_;  // per style record: which parts it includes (bit set)
  std::vector<Xf> cell_xfs_;
  std::vector<std::uint32_t> xf_of_format_;  // by format id; UINT32_MAX while unused
};

}  // namespace tabulo::office
