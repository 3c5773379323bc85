#include <CLI/CLI.hpp>
#include <iostream>

#include "commands.h"

namespace {

void AddSettingsOptions(CLI::App& command, tabulo::cli::SettingsOptions& options) {
  command.add_option("COMPONENT", options.component, "html, word, powerpoint, excel or text, or a ProgID")
      ->required();
  command.add_option("-p,--properties", options.properties_file, "a properties XML file to put first");
  command.add_option("-s,--set", options.settings, "put one property as NAME=VALUE (repeatable)");
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tabulo::cli;
  CLI::App app{"tabulo: exports survey cross-tables to HTML, Word, PowerPoint, Excel and text"};
  app.require_subcommand(1);

  SettingsOptions export_options;
  std::string tables_file;
  CLI::App* export_command = app.add_subcommand("export", "export a Tables XML document");
  AddSettingsOptions(*export_command, export_options);
  export_command->add_option("TABLES_XML", tables_file, "the Tables XML file, or - for standard input")
      ->required();
  export_command->add_option("-o,--output", export_options.destination, "the output file (Destination)");
  export_command->add_flag("--interactive", export_options.interactive,
                           "ask before replacing files and show warnings on the terminal");

  SettingsOptions properties_options;
  CLI::App* properties_command =
      app.add_subcommand("properties", "print a component's properties XML after the puts");
  AddSettingsOptions(*properties_command, properties_options);

  RenderOptions render_options;
  CLI::App* render_command = app.add_subcommand("render", "render a Tables XML document as an HTML page");
  render_command
      ->add_option("TABLES_XML", render_options.tables_file, "the Tables XML file, or - for standard input")
      ->required();
  render_command->add_option("-s,--set", render_options.settings,
                             "set one renderer property as NAME=VALUE (repeatable)");
  render_command->add_option("-o,--output", render_options.output,
                             "the page file (default: standard output)");

  SettingsOptions chart_plan_options;
  chart_plan_options.component = "html";
  std::string chart_plan_tables;
  CLI::App* chart_plan_command =
      app.add_subcommand("chart-plan", "print as JSON the charts the HTML export would make of each table");
  chart_plan_command
      ->add_option("TABLES_XML", chart_plan_tables, "the Tables XML file, or - for standard input")
      ->required();
  chart_plan_command->add_option("-p,--properties", chart_plan_options.properties_file,
                                 "an HTML properties XML file to put first");
  chart_plan_command->add_option("-s,--set", chart_plan_options.settings,
                                 "put one HTML property as NAME=VALUE (repeatable)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);
    std::cerr << "tabulo: " << error.what() << "\nRun 'tabulo --help' for usage.\n";
    return kExitUsage;
  }
  if (export_command->parsed()) return RunExport(export_options, tables_file);
  if (render_command->parsed()) return RunRender(render_options);
  if (chart_plan_command->parsed()) return RunChartPlan(chart_plan_options, chart_plan_tables);
  return RunProperties(properties_options);
}
