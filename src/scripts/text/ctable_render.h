#pragma once

#include <cstdint>

#include "scripts/text/ctable.h"
#include "scripts/text/ctext_properties.h"
#include "scripts/text/script_error.h"
#include "scripts/text/table_queries.h"

namespace tabulo::text {

// What the axis traversals of one RenderTable share. Nested variables are
// traversed once per element above them, so a small table can describe a
// huge axis; the work allowed grows with the table's size and ends such a
// table with an error instead of exhausting time and memory.
struct TableRender {
  TableRender(const TableQueries& table_queries, const CTextProperties& export_properties)
      : queries(table_queries),
        properties(export_properties),
        work_left(kWorkPerNode * table_queries.Tree().Size() + kBaseWork) {}

  void Spend() {
    if (work_left == 0) {
      throw ScriptError("CTable::PopulateAxes",
                        "The axes of the table expand to too many headings to export");
    }
    --work_left;
  }

  static constexpr std::uint64_t kWorkPerNode = 256;
  static constexpr std::uint64_t kBaseWork = 1 << 16;

  const TableQueries& queries;
  const CTextProperties& properties;
  std::uint64_t work_left;
};

}  // namespace tabulo::text
