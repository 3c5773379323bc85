#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/guid.h"

namespace tabulo::frame {

enum class ComponentKind { kWebline, kDocline, kSlideline, kSheetline, kTextline };

// Message ids of the destination checks; each component numbers them its own way.
struct DestinationMessageIds {
  int folder_missing;
  int cannot_overwrite_box;
  int replace_question;
  int exists_error;
  int cannot_overwrite_error;
};

// What distinguishes one of the five export components from the others.
struct ComponentInfo {
  ComponentKind kind;
  std::string_view resource_name;   // folder of its resources: "textline"
  std::string_view command_name;    // name on the command line: "text"
  std::string_view prog_id;         // "Textline.Export.1"
  std::string_view independent_prog_id;  // "Textline.Export"
  std::string_view display_name;    // "Text"
  platform::Guid class_id;
  platform::Guid interface_id;
  int properties_resource_id;
  int caption_id;
  int help_note_id;
  int invalid_path_id;
  int invalid_property_xml_id;
  DestinationMessageIds destination;
  std::string_view default_extension;
  // Docline, Slideline and Sheetline drive an Office application.
  bool is_office;
};

const ComponentInfo& Component(ComponentKind kind);
std::span<const ComponentInfo> AllComponents();
// Finds a component by its command-line name, its ProgID (with or without
// version) or its resource name; letter case is ignored.
std::optional<ComponentKind> FindComponent(std::string_view name);
// Adds the five export classes to the process's class table (once).
void RegisterComponentClasses();

}  // namespace tabulo::frame
