#include "html/renderer_properties.h"

#include <array>
#include <string>
#include <variant>

#include "frame/vocabularies.h"

namespace tabulo::html {
namespace {

using platform::HRESULT;
using platform::Variant;
using platform::VarType;

using Field =
    std::variant<bool CRenderSettings::*, std::int32_t CRenderSettings::*, std::string CRenderSettings::*>;

struct Member {
  std::string_view name;
  std::int32_t dispid;
  Field field;
  bool writable = true;
};

using S = CRenderSettings;
constexpr std::array<Member, 35> kMembers{{
    {"Destination", 1, &S::destination},
    {"PrintingPageBreak", 2, &S::printing_page_break},
    {"DisplayOption", 3, &S::display_option},
    {"LayoutStyle", 4, &S::layout_style},
    {"PresentationStyle", 5, &S::presentation_style},
    {"DisplayLogo", 6, &S::display_logo},
    {"DisplayAnnotations", 7, &S::display_annotations},
    {"UseElementLabels", 8, static_cast<bool S::*>(&S::use_element_labels)},
    {"UseVariableLabels", 9, static_cast<bool S::*>(&S::use_variable_labels)},
    {"EmbedCss", 10, &S::embed_css},
    {"CssLocation", 8889, &S::css_location},
    {"CustomCss", 11, &S::custom_css},
    {"UseFormattedLabels", 12, static_cast<bool S::*>(&S::use_formatted_labels)},
    {"UseStyles", 13, &S::use_styles},
    {"ChartImageLocation", 14, &S::chart_image_location},
    {"HorizontalSideAxis", 15, static_cast<bool S::*>(&S::horizontal_side_axis)},
    {"IncludeElementIDs", 16, &S::include_element_ids},
    {"IncludeTOC", 17, &S::include_toc},
    {"ChartRowsAsSeries", 18, &S::chart_rows_as_series},
    {"ChartSpecialElements", 19, &S::chart_special_elements},
    {"TableName", 20, &S::table_name},
    {"RenderSingleTable", 21, &S::table_name, false},
    {"IncludeCellValues", 22, static_cast<bool S::*>(&S::include_cell_values)},
    {"IncludeCategories", 23, static_cast<bool S::*>(&S::include_categories)},
    {"IncludeTitleBlock", 24, &S::include_title_block},
    {"OutputBodyOnly", 25, &S::output_body_only},
    {"IndentOutput", 26, &S::indent_output},
    {"DisplaySeriesBase", 27, &S::display_series_base},
    {"ChartType", 28, &S::chart_type},
    {"DisplayLastCategoryBase", 29, &S::display_last_category_base},
    {"DisplayTitle", 30, &S::display_title},
    {"FormatPercentageAxes", 31, &S::format_percentage_axes},
    {"ChartCellItem", 32, &S::chart_cell_item},
    {"ChartCategoryElements", 33, &S::chart_category_elements},
    {"ChartImageFormat", 34, &S::chart_image_format},
}};

const Member* FindMember(std::int32_t dispid) {
  for (const Member& member : kMembers) {
    if (member.dispid == dispid) return &member;
  }
  return nullptr;
}

Variant BoolValue(bool value) { return Variant::FromI4(value ? -1 : 0); }

// The value as a 32-bit integer; text that is no number may still be a
// Boolean word, which counts as -1 or 0.
HRESULT AsInteger(const Variant& value, std::int32_t& out) {
  Variant converted;
  HRESULT hr = platform::ChangeType(value, VarType::I4, converted);
  if (platform::Succeeded(hr)) {
    out = converted.i4();
    return hr;
  }
  if (value.type() != VarType::Bstr) return hr;
  HRESULT as_bool = platform::ChangeType(value, VarType::Bool, converted);
  if (platform::Failed(as_bool)) return hr;
  out = converted.boolean() ? -1 : 0;
  return platform::S_OK;
}

}  // namespace

std::optional<std::int32_t> RendererDispId(std::string_view name) {
  if (frame::EqualsAsciiIgnoringCase(name, "Render")) return kDispIdRender;
  if (frame::EqualsAsciiIgnoringCase(name, "Css")) return kDispIdCss;
  for (const Member& member : kMembers) {
    if (frame::EqualsAsciiIgnoringCase(name, member.name)) return member.dispid;
  }
  return std::nullopt;
}

HRESULT GetRendererProperty(const CRenderSettings& settings, std::int32_t dispid, Variant* value) {
  if (value == nullptr) return platform::E_POINTER;
  const Member* member = FindMember(dispid);
  if (member == nullptr) return platform::DISP_E_MEMBERNOTFOUND;
  switch (dispid) {
    case 17:  // IncludeTOC: a single table has no contents
      *value = BoolValue(settings.include_toc && settings.table_name.empty());
      return platform::S_OK;
    case 21:  // RenderSingleTable
      *value = BoolValue(!settings.table_name.empty());
      return platform::S_OK;
    case 22:  // IncludeCellValues: no values without the categories
      *value = BoolValue(settings.include_cell_values && settings.include_categories);
      return platform::S_OK;
    default:
      break;
  }
  std::visit(
      [&](auto field) {
        using Type = std::remove_cvref_t<decltype(settings.*field)>;
        if constexpr (std::is_same_v<Type, bool>) {
          *value = BoolValue(settings.*field);
        } else if constexpr (std::is_same_v<Type, std::int32_t>) {
          *value = Variant::FromI4(settings.*field);
        } else {
          *value = Variant::FromString(settings.*field);
        }
      },
      member->field);
  return platform::S_OK;
}

HRESULT PutRendererProperty(CRenderSettings& settings, std::int32_t dispid, const Variant& value) {
  const Member* member = FindMember(dispid);
  if (member == nullptr || !member->writable) return platform::DISP_E_MEMBERNOTFOUND;
  HRESULT hr = platform::S_OK;
  std::visit(
      [&](auto field) {
        using Type = std::remove_cvref_t<decltype(settings.*field)>;
        if constexpr (std::is_same_v<Type, std::string>) {
          Variant text;
          hr = platform::ChangeType(value, VarType::Bstr, text);
          if (platform::Failed(hr)) return;
          if (dispid == 34 && !frame::LookupVocabulary(frame::ChartImageFormats(), text.string())) {
            hr = platform::E_INVALIDARG;
            return;
          }
          settings.*field = dispid == 14 ? WithLocationSeparator(text.string()) : text.string();
        } else {
          std::int32_t number = 0;
          hr = AsInteger(value, number);
          if (platform::Failed(hr)) return;
          if constexpr (std::is_same_v<Type, bool>) {
            settings.*field = (static_cast<std::uint32_t>(number) & 0xFFFFu) == 0xFFFFu;
          } else {
            settings.*field = number;
          }
        }
      },
      member->field);
  return hr;
}

}  // namespace tabulo::html
