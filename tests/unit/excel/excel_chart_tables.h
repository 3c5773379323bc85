#pragma once

#include <string>

#include "excel/excel_test_support.h"

namespace tabulo::excel::fixtures {

// Counts and column percentages with one decimal.
inline std::string CountAndPercent() {
  return CellItems({"Type=\"Count\"", "Type=\"ColPercent\" Decimals=\"1\""});
}

// A table property list: <Properties> with string properties.
inline std::string TableProperties(std::initializer_list<std::pair<std::string, std::string>> values) {
  std::string xml = "<Properties>";
  for (const auto& [name, value] : values) {
    xml += "<property><name>" + name + "</name><type>8</type><value>" + value + "</value></property>";
  }
  return xml + "</Properties>";
}

// Gender (Male, Female) on top, Age (Young, Old) on the side, counts and
// column percentages. Laid out below the blank annotation row, the table
// shows Male in R3C3 and Female in R3C4, Young in R4C2 and Old in R6C2; the
// percentages stand in rows 5 (Young) and 7 (Old).
inline std::string GenderByAge(const std::string& rest = "",
                               const std::string& old_female_percent = "60.0%") {
  return Document(
      Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
            CountAndPercent() +
                Values(Row({"10", "25.0%", "30", "75.0%"}) + Row({"20", "40.0%", "30", old_female_percent})) +
                rest));
}

// The chart worksheet of the first table.
inline RecordingWorksheet& ChartSheet(ExcelRun& run) { return run.Sheet(2); }

}  // namespace tabulo::excel::fixtures
