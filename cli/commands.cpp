#include "commands.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "catalog.h"
#include "charts/planning/plan_json.h"
#include "html/renderer.h"
#include "html/table_charts.h"
#include "platform/error_info.h"
#include "platform/system_text.h"
#include "terminal_prompter.h"
#include "xml/document.h"

namespace tabulo::cli {
namespace {

using platform::HRESULT;

// A failure already told to the user; carries the exit code.
struct CommandFailed {
  int exit_code;
};

void Check(HRESULT hr) {
  if (platform::Succeeded(hr)) return;
  auto info = platform::TakeErrorInfo();
  std::string text = info && !info->description.empty() ? info->description : platform::ComErrorMessage(hr);
  std::cerr << "tabulo: " << text << '\n';
  throw CommandFailed{kExitFailed};
}

[[noreturn]] void Fail(const std::string& text, int exit_code) {
  std::cerr << "tabulo: " << text << '\n';
  throw CommandFailed{exit_code};
}

std::string ReadAll(const std::string& file) {
  if (file == "-") {
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  std::ifstream stream(file, std::ios::binary);
  if (!stream) Fail("cannot read '" + file + "'", kExitFailed);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

std::string EscapeText(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// A CDATA section cannot hold "]]>"; split it across two sections.
std::string CData(std::string_view text) {
  std::string section = "<![CDATA[";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 3) == "]]>") {
      section += "]]]]><![CDATA[>";
      i += 2;
    } else {
      section += text[i];
    }
  }
  return section + "]]>";
}

// One property as a properties XML, with the string type: the store
// converts the text to the property's own type.
std::string SinglePropertyXml(std::string_view name, std::string_view value) {
  return "<properties><property><name>" + EscapeText(name) + "</name><type>8</type><value>" + CData(value) +
         "</value></property></properties>";
}

// NAME=VALUE split at the first "="; a missing name is a usage error.
std::pair<std::string_view, std::string_view> SplitSetting(std::string_view setting) {
  std::size_t equals = setting.find('=');
  if (equals == std::string_view::npos || equals == 0) {
    Fail("a setting must read NAME=VALUE: '" + std::string(setting) + "'", kExitUsage);
  }
  return {setting.substr(0, equals), setting.substr(equals + 1)};
}

void PutProperty(frame::IExport& component, std::string_view name, std::string_view value) {
  Check(component.put_PropertiesXml(SinglePropertyXml(name, value).c_str()));
}

void ApplySettings(frame::IExport& component, const SettingsOptions& options) {
  if (options.properties_file) Check(component.put_PropertiesXml(ReadAll(*options.properties_file).c_str()));
  if (options.interactive) PutProperty(component, "Interactive", "-1");
  for (const std::string& setting : options.settings) {
    auto [name, value] = SplitSetting(setting);
    PutProperty(component, name, value);
  }
  if (options.destination) PutProperty(component, "Destination", *options.destination);
}

frame::ComponentKind ComponentOf(const std::string& name) {
  auto kind = frame::FindComponent(name);
  if (!kind) Fail("unknown component '" + name + "' (html, word, powerpoint, excel or text)", kExitUsage);
  return *kind;
}

std::string Destination(frame::CExport& component) {
  std::string destination;
  Check(component.Properties().GetString("Destination", &destination));
  return destination;
}

// Progress on a terminal only: "tables done/total" overwritten in place.
std::function<void(std::size_t, std::size_t)> TerminalProgress() {
  if (isatty(STDERR_FILENO) == 0) return {};
  return [](std::size_t done, std::size_t total) {
    std::fprintf(stderr, "\rtables %zu/%zu", done, total < done ? done : total);
    std::fflush(stderr);
  };
}

}  // namespace

int RunRender(const RenderOptions& options) {
  try {
    html::CRenderer renderer;
    Check(renderer.CreationResult());
    for (const std::string& setting : options.settings) {
      auto [name, value] = SplitSetting(setting);
      std::int32_t dispid = 0;
      if (platform::Failed(renderer.GetIDOfName(name, &dispid))) {
        Fail("the renderer has no property '" + std::string(name) + "'", kExitUsage);
      }
      Check(renderer.PutProperty(dispid, platform::Variant::FromString(std::string(value))));
    }
    std::string tables = ReadAll(options.tables_file);
    html::RenderOutput output = &std::cout;
    if (options.output) output = std::filesystem::path(*options.output);
    Check(renderer.Render(tables, output, nullptr));
    return kExitOk;
  } catch (const CommandFailed& failure) {
    return failure.exit_code;
  }
}

int RunChartPlan(const SettingsOptions& options, const std::string& tables_file) {
  try {
    auto component = deliverables::CreateExport(ComponentOf(options.component));
    ApplySettings(*component, options);
    html::CRenderer renderer;
    Check(renderer.CreationResult());
    Check(renderer.ApplyExportProperties(component->Properties()));
    std::string tables = ReadAll(tables_file);
    std::vector<charts::TableChartPlan> plans;
    try {
      plans = html::PlanDocumentCharts(tables, renderer.Settings());
    } catch (const std::exception& error) {
      Fail(error.what(), kExitFailed);
    }
    std::cout << charts::PlanToJson(plans) << '\n';
    return kExitOk;
  } catch (const CommandFailed& failure) {
    return failure.exit_code;
  }
}

int RunExport(const SettingsOptions& options, const std::string& tables_file) {
  try {
    TerminalPrompter prompter;
    frame::Host host;
    if (options.interactive) host.prompter = &prompter;
    host.progress = TerminalProgress();
    auto component = deliverables::CreateExport(ComponentOf(options.component), std::move(host));
    ApplySettings(*component, options);
    std::string tables = ReadAll(tables_file);
    platform::Variant result;
    HRESULT hr = component->Export(tables.c_str(), &result);
    if (isatty(STDERR_FILENO) != 0 && component->HostServices().progress) std::fputc('\n', stderr);
    Check(hr);
    std::cout << Destination(*component) << '\n';
    return kExitOk;
  } catch (const CommandFailed& failure) {
    return failure.exit_code;
  }
}

int RunProperties(const SettingsOptions& options) {
  try {
    auto component = deliverables::CreateExport(ComponentOf(options.component));
    ApplySettings(*component, options);
    std::string xml;
    Check(component->get_PropertiesXml(&xml));
    std::cout << xml;
    return kExitOk;
  } catch (const CommandFailed& failure) {
    return failure.exit_code;
  }
}

}  // namespace tabulo::cli
