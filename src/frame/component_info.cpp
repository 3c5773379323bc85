#include "frame/component_info.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <string>

#include "platform/class_table.h"

namespace tabulo::frame {
namespace {

using platform::Guid;

// Class and interface ids of our own, fixed for good: hosts store them.
constexpr std::array<ComponentInfo, 5> kComponents{{
    {ComponentKind::kWebline, "webline", "html", "Webline.Export.1", "Webline.Export", "HTML",
     Guid{0x6B1D2E01, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x01}},
     Guid{0x6B1D2E11, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x11}}, 102, 1000,
     1008, 1006, 2010, {2015, 1001, 1002, 2011, 2013}, ".htm", false},
    {ComponentKind::kDocline, "docline", "word", "Docline.Export.1", "Docline.Export", "Microsoft Word",
     Guid{0x6B1D2E02, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x02}},
     Guid{0x6B1D2E12, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x12}}, 103, 2019,
     2047, 2020, 2011, {2036, 2024, 2023, 2012, 2014}, ".docx", true},
    {ComponentKind::kSlideline, "slideline", "powerpoint", "Slideline.Export.1", "Slideline.Export",
     "Microsoft PowerPoint",
     Guid{0x6B1D2E03, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x03}},
     Guid{0x6B1D2E13, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x13}}, 102, 1001,
     1009, 1005, 2009, {2013, 1002, 1004, 2011, 2012}, ".pptx", true},
    {ComponentKind::kSheetline, "sheetline", "excel", "Sheetline.Export.1", "Sheetline.Export",
     "Microsoft Excel",
     Guid{0x6B1D2E04, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x04}},
     Guid{0x6B1D2E14, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x14}}, 102, 1001,
     1014, 1005, 2009, {2014, 1002, 1004, 2012, 2013}, ".xlsx", true},
    {ComponentKind::kTextline, "textline", "text", "Textline.Export.1", "Textline.Export", "Text",
     Guid{0x6B1D2E05, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x05}},
     Guid{0x6B1D2E15, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x15}}, 106, 107,
     2015, 108, 2011, {115, 112, 111, 2012, 2014}, ".csv", false},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

const ComponentInfo& Component(ComponentKind kind) {
  return *std::ranges::find(kComponents, kind, &ComponentInfo::kind);
}

std::span<const ComponentInfo> AllComponents() { return kComponents; }

std::optional<ComponentKind> FindComponent(std::string_view name) {
  for (const ComponentInfo& component : kComponents) {
    if (EqualsIgnoringCase(name, component.command_name) || EqualsIgnoringCase(name, component.prog_id) ||
        EqualsIgnoringCase(name, component.independent_prog_id) ||
        EqualsIgnoringCase(name, component.resource_name)) {
      return component.kind;
    }
  }
  return std::nullopt;
}

void RegisterComponentClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const ComponentInfo& component : kComponents) {
      platform::RegisterClass({component.class_id, std::string(component.prog_id),
                               std::string(component.independent_prog_id),
                               std::string(component.display_name)});
    }
  });
}

}  // namespace tabulo::frame
