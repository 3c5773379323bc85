#include "office/xlsx/style_sheet.h"

#include <algorithm>
#include <array>
#include <utility>

#include "office/markup/xml_writer.h"
#include "office/xlsx/sml_names.h"

namespace tabulo::office {
namespace {

constexpr std::uint32_t kUnused = UINT32_MAX;
constexpr std::uint32_t kFirstCustomNumberFormat = 164;

enum IncludeBit : std::uint32_t {
  kIncludeNumber = 1,
  kIncludeFont = 2,
  kIncludeFill = 4,
  kIncludeBorder = 8,
  kIncludeAlignment = 16,
  kIncludeProtection = 32,
  kIncludeAll = 63
};

constexpr std::array<std::pair<std::uint32_t, std::string_view>, 12> kBuiltInNumberFormats = {{
    {0, "General"},
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ?\?/??"},
    {48, "##0.0E+0"},
    {49, "@"},
}};

std::string_view HorizontalName(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::kGeneral:
      return "general";
    case HorizontalAlignment::kLeft:
      return "left";
    case HorizontalAlignment::kCenter:
      return "center";
    case HorizontalAlignment::kRight:
      return "right";
    case HorizontalAlignment::kFill:
      return "fill";
    case HorizontalAlignment::kJustify:
      return "justify";
    case HorizontalAlignment::kCenterContinuous:
      return "centerContinuous";
    case HorizontalAlignment::kDistributed:
      return "distributed";
  }
  return "general";
}

std::string_view VerticalName(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::kTop:
      return "top";
    case VerticalAlignment::kCenter:
      return "center";
    case VerticalAlignment::kBottom:
      return "bottom";
    case VerticalAlignment::kJustify:
      return "justify";
    case VerticalAlignment::kDistributed:
      return "distributed";
  }
  return "bottom";
}

std::string_view BorderStyleName(BorderStyle style) {
  switch (style) {
    case BorderStyle::kNone:
      return "none";
    case BorderStyle::kThin:
      return "thin";
    case BorderStyle::kMedium:
      return "medium";
    case BorderStyle::kThick:
      return "thick";
    case BorderStyle::kDashed:
      return "dashed";
    case BorderStyle::kDotted:
      return "dotted";
    case BorderStyle::kDouble:
      return "double";
    case BorderStyle::kHair:
      return "hair";
  }
  return "none";
}

// Counter-clockwise degrees stay; clockwise ones are stored as 90 + degrees.
std::int32_t StoredRotation(std::int32_t rotation) {
  if (rotation == kStackedRotation || rotation >= 0) return rotation;
  return 90 - rotation;
}

std::string ArgbText(std::uint32_t rgb) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "FF";
  for (int shift = 20; shift >= 0; shift -= 4)
    text.push_back(kDigits[(rgb >> static_cast<unsigned>(shift)) & 0xFU]);
  return text;
}

void WriteColour(XmlWriter& xml, std::string_view element, const Colour& colour) {
  xml.Start(element);
  if (colour.automatic) {
    xml.Attribute("auto", "1");
  } else {
    xml.Attribute("rgb", ArgbText(colour.rgb));
  }
  xml.End();
}

// Arial and the fonts metric-compatible with it are sans-serif ("swiss").
bool IsSwiss(const std::string& name) {
  return name == "Arial" || name == "Liberation Sans" || name == "Helvetica" || name == "Calibri";
}

template <typename Value>
std::uint32_t IdOf(std::vector<Value>& values, const Value& value) {
  auto found = std::find(values.begin(), values.end(), value);
  if (found != values.end()) return static_cast<std::uint32_t>(found - values.begin());
  values.push_back(value);
  return static_cast<std::uint32_t>(values.size() - 1);
}

}  // namespace

StyleSheet::StyleSheet(const WorkbookContext& context)
    : context_(context),
      fills_{Fill{}, Fill{}},  // Office requires "none" and "gray125" as fills 0 and 1
      borders_{Borders{}},
      xf_of_format_(context.formats.Size(), kUnused) {
  fonts_.push_back(context.Normal().font);
  style_xfs_.push_back(MakeXf(context.Normal()));
  style_xf_includes_.push_back(kIncludeAll);
  XfIndex(0);  // the Normal format is cell format 0
}

void StyleSheet::RecordNewNamedStyles() {
  // Record 0 is Normal's; named style i has record i + 1.
  for (std::size_t index = style_xfs_.size() - 1; index < context_.styles.size(); ++index) {
    const NamedStyle& style = context_.styles[index];
    style_xfs_.push_back(MakeXf(style.format));
    style_xf_includes_.push_back(
        (style.include_number ? kIncludeNumber : 0U) | (style.include_font ? kIncludeFont : 0U) |
        (style.include_fill ? kIncludeFill : 0U) | (style.include_border ? kIncludeBorder : 0U) |
        (style.include_alignment ? kIncludeAlignment : 0U) |
        (style.include_protection ? kIncludeProtection : 0U));
  }
}

std::uint32_t StyleSheet::NumberFormatId(const std::string& code) {
  for (const auto& [id, built_in] : kBuiltInNumberFormats) {
    if (code == built_in) return id;
  }
  for (const auto& [id, custom] : custom_number_formats_) {
    if (custom == code) return id;
  }
  const auto id = static_cast<std::uint32_t>(kFirstCustomNumberFormat + custom_number_formats_.size());
  custom_number_formats_.emplace_back(id, code);
  return id;
}

std::uint32_t StyleSheet::FontId(const Font& font) { return IdOf(fonts_, font); }

std::uint32_t StyleSheet::FillId(const Fill& fill) {
  if (!fill.solid_rgb) return 0;
  auto found = std::find(fills_.begin() + 2, fills_.end(), fill);
  if (found != fills_.end()) return static_cast<std::uint32_t>(found - fills_.begin());
  fills_.push_back(fill);
  return static_cast<std::uint32_t>(fills_.size() - 1);
}

std::uint32_t StyleSheet::BorderId(const Borders& borders) { return IdOf(borders_, borders); }

std::uint32_t StyleSheet::StyleIndex(const std::string& style_name) const {
  if (style_name.empty()) return 0;
  for (std::size_t index = 0; index < context_.styles.size(); ++index) {
    if (context_.styles[index].name == style_name) return static_cast<std::uint32_t>(index + 1);
  }
  return 0;  // a style removed since: the cell keeps its own format on Normal
}

StyleSheet::Xf StyleSheet::MakeXf(const CellFormat& format) {
  return {NumberFormatId(format.number_format),
          FontId(format.font),
          FillId(format.fill),
          BorderId(format.borders),
          StyleIndex(format.style_name),
          format.alignment};
}

std::uint32_t StyleSheet::XfIndex(FormatTable::Id format) {
  if (format >= xf_of_format_.size()) xf_of_format_.resize(context_.formats.Size(), kUnused);
  std::uint32_t& index = xf_of_format_.at(format);
  if (index == kUnused) {
    // A new format may name a style added since the last one.
    RecordNewNamedStyles();
    cell_xfs_.push_back(MakeXf(context_.formats.Get(format)));
    index = static_cast<std::uint32_t>(cell_xfs_.size() - 1);
  }
  return index;
}

void StyleSheet::WriteFontProperties(XmlWriter& xml, const Font& font, bool in_run) {
  if (font.bold) {
    xml.Start("b");
    xml.End();
  }
  if (font.italic) {
    xml.Start("i");
    xml.End();
  }
  if (font.underline) {
    xml.Start("u");
    xml.End();
  }
  xml.ValElementNumber("sz", font.size);
  if (!font.colour.automatic) WriteColour(xml, "color", font.colour);
  xml.ValElement(in_run ? "rFont" : "name", font.name);
  if (IsSwiss(font.name)) xml.ValElement("family", 2);
}

namespace {

void WriteAlignment(XmlWriter& xml, const Alignment& alignment) {
  xml.Start("alignment");
  if (alignment.horizontal != HorizontalAlignment::kGeneral) {
    xml.Attribute("horizontal", HorizontalName(alignment.horizontal));
  }
  if (alignment.vertical != VerticalAlignment::kBottom)
    xml.Attribute("vertical", VerticalName(alignment.vertical));
  if (alignment.rotation != 0) xml.Attribute("textRotation", StoredRotation(alignment.rotation));
  if (alignment.wrap_text) xml.Attribute("wrapText", "1");
  if (alignment.indent != 0) xml.Attribute("indent", alignment.indent);
  if (alignment.shrink_to_fit) xml.Attribute("shrinkToFit", "1");
  xml.End();
}

void WriteBorderLine(XmlWriter& xml, std::string_view side, const BorderLine& line) {
  xml.Start(side);
  if (line.style != BorderStyle::kNone) {
    xml.Attribute("style", BorderStyleName(line.style));
    WriteColour(xml, "color", line.colour);
  }
  xml.End();
}

}  // namespace

std::string StyleSheet::Xml() const {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("styleSheet");
  xml.Attribute("xmlns", sml::kMainNamespace);
  if (!custom_number_formats_.empty()) {
    xml.Start("numFmts");
    xml.Attribute("count", custom_number_formats_.size());
    for (const auto& [id, code] : custom_number_formats_) {
      xml.Start("numFmt");
      xml.Attribute("numFmtId", id);
      xml.Attribute("formatCode", code);
      xml.End();
    }
    xml.End();
  }
  xml.Start("fonts");
  xml.Attribute("count", fonts_.size());
  for (const Font& font : fonts_) {
    xml.Start("font");
    WriteFontProperties(xml, font, false);
    xml.End();
  }
  xml.End();
  xml.Start("fills");
  xml.Attribute("count", fills_.size());
  for (std::size_t index = 0; index < fills_.size(); ++index) {
    xml.Start("fill");
    xml.Start("patternFill");
    if (index == 0) {
      xml.Attribute("patternType", "none");
    } else if (index == 1) {
      xml.Attribute("patternType", "gray125");
    } else {
      xml.Attribute("patternType", "solid");
      WriteColour(xml, "fgColor", Colour::Rgb(*fills_[index].solid_rgb));
      xml.Start("bgColor");
      xml.Attribute("indexed", 64);
      xml.End();
    }
    xml.End();
    xml.End();
  }
  xml.End();
  xml.Start("borders");
  xml.Attribute("count", borders_.size());
  for (const Borders& border : borders_) {
    xml.Start("border");
    WriteBorderLine(xml, "left", border.left);
    WriteBorderLine(xml, "right", border.right);
    WriteBorderLine(xml, "top", border.top);
    WriteBorderLine(xml, "bottom", border.bottom);
    xml.Start("diagonal");
    xml.End();
    xml.End();
  }
  xml.End();

  xml.Start("cellStyleXfs");
  xml.Attribute("count", style_xfs_.size());
  for (std::size_t index = 0; index < style_xfs_.size(); ++index) {
    const Xf& xf = style_xfs_[index];
    const std::uint32_t includes = style_xf_includes_[index];
    xml.Start("xf");
    xml.Attribute("numFmtId", xf.number_format);
    xml.Attribute("fontId", xf.font);
    xml.Attribute("fillId", xf.fill);
    xml.Attribute("borderId", xf.border);
    // In a style record the flags say which parts the style includes.
    if ((includes & kIncludeNumber) == 0) xml.Attribute("applyNumberFormat", "0");
    if ((includes & kIncludeFont) == 0) xml.Attribute("applyFont", "0");
    if ((includes & kIncludeFill) == 0) xml.Attribute("applyFill", "0");
    if ((includes & kIncludeBorder) == 0) xml.Attribute("applyBorder", "0");
    if ((includes & kIncludeAlignment) == 0) xml.Attribute("applyAlignment", "0");
    if ((includes & kIncludeProtection) == 0) xml.Attribute("applyProtection", "0");
    if (xf.alignment != Alignment{}) WriteAlignment(xml, xf.alignment);
    xml.End();
  }
  xml.End();

  xml.Start("cellXfs");
  xml.Attribute("count", cell_xfs_.size());
  for (const Xf& xf : cell_xfs_) {
    const Xf& parent = style_xfs_[xf.style];
    xml.Start("xf");
    xml.Attribute("numFmtId", xf.number_format);
    xml.Attribute("fontId", xf.font);
    xml.Attribute("fillId", xf.fill);
    xml.Attribute("borderId", xf.border);
    xml.Attribute("xfId", xf.style);
    // In a cell record the flags say where the cell differs from its style.
    if (xf.number_format != parent.number_format) xml.Attribute("applyNumberFormat", "1");
    if (xf.font != parent.font) xml.Attribute("applyFont", "1");
    if (xf.fill != parent.fill) xml.Attribute("applyFill", "1");
    if (xf.border != parent.border) xml.Attribute("applyBorder", "1");
    if (xf.alignment != parent.alignment) xml.Attribute("applyAlignment", "1");
    if (xf.alignment != Alignment{}) WriteAlignment(xml, xf.alignment);
    xml.End();
  }
  xml.End();

  xml.Start("cellStyles");
  xml.Attribute("count", style_xfs_.size());
  xml.Start("cellStyle");
  xml.Attribute("name", kNormalStyleName);
  xml.Attribute("xfId", 0);
  xml.Attribute("builtinId", 0);
  xml.End();
  for (std::size_t index = 0; index + 1 < style_xfs_.size(); ++index) {
    xml.Start("cellStyle");
    xml.Attribute("name", context_.styles[index].name);
    xml.Attribute("xfId", index + 1);
    xml.End();
  }
  xml.End();
  xml.End();
  return out;
}

}  // namespace tabulo::office
