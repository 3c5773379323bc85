// HTML export of a large Tables XML against a SAX pass over the same text
// that does nothing, in one run. The document is named by TABULO_BENCH_INPUT.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "bench_input.h"
#include "html/renderer.h"
#include "tables/render_context.h"
#include "tables/tables_content_handler.h"
#include "xml/sax_reader.h"

namespace {

void BM_SaxPass(benchmark::State& state) {
  const std::string& text = BenchInput();
  for (auto _ : state) tabulo::xml::CheckWellFormed(text);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The model alone, to tell reading from writing.
void BM_ReadModel(benchmark::State& state) {
  const std::string& text = BenchInput();
  for (auto _ : state) {
    tabulo::tables::RenderContext context;
    benchmark::DoNotOptimize(tabulo::tables::ParseTablesXml(text, context));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_HtmlExport(benchmark::State& state) {
  const std::string& text = BenchInput();
  std::filesystem::path page = std::filesystem::temp_directory_path() / "tabulo-bench-page.htm";
  tabulo::html::CRenderer renderer;
  // The grids alone: drawing thousands of chart pictures is another matter.
  constexpr std::int32_t kDisplayOption = 3;
  renderer.PutProperty(kDisplayOption, tabulo::platform::Variant::FromI4(0));
  for (auto _ : state) {
    if (tabulo::platform::Failed(renderer.Render(text, page, nullptr))) state.SkipWithError("render failed");
  }
  std::filesystem::remove(page);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_SaxPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadModel)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HtmlExport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
