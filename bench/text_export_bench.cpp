// Text export of a large Tables XML against loading the same text into a
// libxml2 DOM, in one run. The document is named by TABULO_BENCH_INPUT.

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "bench_input.h"
#include "platform/launcher.h"
#include "scripts/text/text_export.h"

namespace {

class NoLauncher : public tabulo::platform::Launcher {
 public:
  bool Open(const std::filesystem::path&) override { return true; }
};

std::string Property(const std::string& name, int type, const std::string& value) {
  return "<property><name>" + name + "</name><type>" + std::to_string(type) + "</type><value><![CDATA[" +
         value + "]]></value></property>";
}

std::string TextProperties(const std::filesystem::path& destination) {
  return "<properties>" + Property("Destination", 8, destination.string()) +
         Property("DisplayAnnotations", 11, "-1") + Property("FieldDelimiter", 3, "9") +
         Property("Interactive", 11, "0") + Property("LaunchApplication", 11, "0") +
         Property("OverwriteOutput", 11, "-1") + Property("ShowHelp", 11, "0") +
         Property("TableDelimiter", 3, "12") + Property("UseElementLabels", 11, "-1") +
         Property("UseVariableLabels", 11, "-1") + "</properties>";
}

void BM_DomLoad(benchmark::State& state) {
  const std::string& text = BenchInput();
  for (auto _ : state) {
    xmlDocPtr document = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                       XML_PARSE_NONET | XML_PARSE_HUGE);
    if (document == nullptr) state.SkipWithError("the document does not parse");
    benchmark::DoNotOptimize(document);
    xmlFreeDoc(document);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_TextExport(benchmark::State& state) {
  const std::string& text = BenchInput();
  std::filesystem::path destination = std::filesystem::temp_directory_path() / "tabulo-bench-text.csv";
  std::string properties = TextProperties(destination);
  NoLauncher launcher;
  tabulo::text::ExportServices services{launcher, {}};
  for (auto _ : state) tabulo::text::Export(text, properties, services);
  std::filesystem::remove(destination);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_DomLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TextExport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
