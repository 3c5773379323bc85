// Writing a large workbook: 1,000,000 numeric cells (100,000 rows of 10
// columns), as a model in memory and as a finished .xlsx file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "office/spreadsheet/workbook.h"
#include "office/xlsx/xlsx_writer.h"

namespace {

using tabulo::office::Workbook;

constexpr std::int32_t kRows = 100000;
constexpr std::int32_t kColumns = 10;

// The same values the comparison script gives xlsxwriter.
double CellValue(std::int32_t row, std::int32_t column) { return row * 0.5 + column; }

void FillWorkbook(Workbook& workbook) {
  auto& sheet = workbook.AddWorksheet("Sheet1");
  for (std::int32_t row = 1; row <= kRows; ++row) {
    for (std::int32_t column = 1; column <= kColumns; ++column) {
      sheet.SetNumber({row, column}, CellValue(row - 1, column - 1));
    }
  }
}

std::filesystem::path OutputPath() {
  const char* folder = std::getenv("TABULO_BENCH_OUTPUT_DIR");
  return std::filesystem::path(folder != nullptr ? folder : "/tmp") /
         ("tabulo-office-bench-" + std::to_string(getpid()) + ".xlsx");
}

void BM_FillModel(benchmark::State& state) {
  for (auto _ : state) {
    Workbook workbook;
    FillWorkbook(workbook);
    benchmark::DoNotOptimize(workbook.Sheet(0).Rows().size());
  }
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_FillModel)->Unit(benchmark::kMillisecond);

// The whole job xlsxwriter is compared with: cells in, file out.
void BM_WriteMillionCells(benchmark::State& state) {
  const std::filesystem::path path = OutputPath();
  for (auto _ : state) {
    Workbook workbook;
    FillWorkbook(workbook);
    tabulo::office::SaveWorkbook(workbook, path);
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_WriteMillionCells)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
