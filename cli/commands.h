#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tabulo::cli {

// The settings a command puts into a component before it runs.
struct SettingsOptions {
  std::string component;
  std::optional<std::string> properties_file;
  std::vector<std::string> settings;  // NAME=VALUE
  std::optional<std::string> destination;
  bool interactive = false;
};

// Exit codes of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct RenderOptions {
  std::string tables_file;
  std::vector<std::string> settings;  // NAME=VALUE, the renderer's property names
  std::optional<std::string> output;
};

int RunExport(const SettingsOptions& options, const std::string& tables_file);
// Drives the HTML renderer directly: the page goes to the output file or to
// standard output.
int RunRender(const RenderOptions& options);
int RunProperties(const SettingsOptions& options);
// Prints, as JSON, the charts the HTML export would make of every table with
// the HTML component's settings, without drawing them.
int RunChartPlan(const SettingsOptions& options, const std::string& tables_file);

}  // namespace tabulo::cli
