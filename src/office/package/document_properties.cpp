#include "office/package/document_properties.h"

#include <cctype>
#include <stdexcept>

#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kCoreNamespace =
    "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
constexpr std::string_view kExtendedNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
constexpr std::string_view kVariantTypesNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}
  bool Digits(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      if (position_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[position_]))) {
        return false;
      }
      ++position_;
    }
    return true;
  }
  bool Take(char c) {
    if (position_ < text_.size() && text_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }
  bool AtEnd() const { return position_ == text_.size(); }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

bool ZoneAndEnd(Scanner& scan) {
  if (scan.Take('Z')) return scan.AtEnd();
  if (!scan.Take('+') && !scan.Take('-')) return false;
  return scan.Digits(2) && scan.Take(':') && scan.Digits(2) && scan.AtEnd();
}

void OptionalText(XmlWriter& xml, std::string_view name, std::string_view text) {
  if (!text.empty()) xml.TextElement(name, text);
}

void OptionalTime(XmlWriter& xml, std::string_view name, std::string_view time) {
  if (time.empty()) return;
  if (!IsW3cDateTime(time)) throw std::invalid_argument("not a W3C date-time: " + std::string(time));
  xml.Start(name);
  xml.Attribute("xsi:type", "dcterms:W3CDTF");
  xml.Text(time);
  xml.End();
}

}  // namespace

bool IsW3cDateTime(std::string_view text) {
  Scanner scan(text);
  if (!scan.Digits(4)) return false;
  if (scan.AtEnd()) return true;
  if (!scan.Take('-') || !scan.Digits(2)) return false;
  if (scan.AtEnd()) return true;
  if (!scan.Take('-') || !scan.Digits(2)) return false;
  if (scan.AtEnd()) return true;
  if (!scan.Take('T') || !scan.Digits(2) || !scan.Take(':') || !scan.Digits(2)) return false;
  if (scan.Take(':')) {
    if (!scan.Digits(2)) return false;
    if (scan.Take('.') && !scan.Digits(1)) return false;
    while (scan.Digits(1)) {
    }
  }
  return ZoneAndEnd(scan);
}

std::string CorePropertiesXml(const DocumentProperties& properties) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("cp:coreProperties");
  xml.Attribute("xmlns:cp", kCoreNamespace);
  xml.Attribute("xmlns:dc", "http://purl.org/dc/elements/1.1/");
  xml.Attribute("xmlns:dcterms", "http://purl.org/dc/terms/");
  xml.Attribute("xmlns:dcmitype", "http://purl.org/dc/dcmitype/");
  xml.Attribute("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  OptionalText(xml, "dc:title", properties.title);
  OptionalText(xml, "dc:subject", properties.subject);
  OptionalText(xml, "dc:creator", properties.creator);
  OptionalText(xml, "cp:keywords", properties.keywords);
  OptionalText(xml, "dc:description", properties.description);
  OptionalText(xml, "cp:lastModifiedBy", properties.last_modified_by);
  OptionalTime(xml, "dcterms:created", properties.created);
  OptionalTime(xml, "dcterms:modified", properties.modified);
  xml.End();
  return out;
}

std::string AppPropertiesXml(const DocumentProperties& properties, const std::vector<TitledParts>& parts) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("Properties");
  xml.Attribute("xmlns", kExtendedNamespace);
  xml.Attribute("xmlns:vt", kVariantTypesNamespace);
  OptionalText(xml, "Application", properties.application);
  xml.TextElement("DocSecurity", "0");
  xml.TextElement("ScaleCrop", "false");
  if (!parts.empty()) {
    xml.Start("HeadingPairs");
    xml.Start("vt:vector");
    xml.Attribute("size", parts.size() * 2);
    xml.Attribute("baseType", "variant");
    std::size_t title_count = 0;
    for (const TitledParts& group : parts) {
      xml.Start("vt:variant");
      xml.TextElement("vt:lpstr", group.heading);
      xml.End();
      xml.Start("vt:variant");
      xml.Start("vt:i4");
      xml.Text(std::to_string(group.titles.size()));
      xml.End();
      xml.End();
      title_count += group.titles.size();
    }
    xml.End();
    xml.End();
    xml.Start("TitlesOfParts");
    xml.Start("vt:vector");
    xml.Attribute("size", title_count);
    xml.Attribute("baseType", "lpstr");
    for (const TitledParts& group : parts) {
      for (const std::string& title : group.titles) xml.TextElement("vt:lpstr", title);
    }
    xml.End();
    xml.End();
  }
  OptionalText(xml, "Company", properties.company);
  xml.TextElement("LinksUpToDate", "false");
  xml.TextElement("SharedDoc", "false");
  xml.TextElement("HyperlinksChanged", "false");
  xml.End();
  return out;
}

}  // namespace tabulo::office
