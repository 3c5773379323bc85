#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame/cnx_format.h"
#include "platform/variant.h"
#include "xml/document.h"

namespace tabulo::frame {

// The settings of one export component: a properties XML document that
// starts as the component's defaults and takes the host's settings property
// by property. Every operation reports its failures as error information.
class CExportProperties {
 public:
  explicit CExportProperties(const ComponentInfo& component) : component_(component) {}
  virtual ~CExportProperties() = default;
  CExportProperties(const CExportProperties&) = delete;
  CExportProperties& operator=(const CExportProperties&) = delete;

  virtual HRESULT GetPropertiesXml(std::string* xml);
  // Merges the host's properties XML into the current settings. A null text
  // is an invalid argument.
  virtual HRESULT PutPropertiesXml(const char* xml);

  HRESULT EnsureLoaded();
  HRESULT GetString(std::string_view name, std::string* value);
  HRESULT GetBool(std::string_view name, bool* value);
  HRESULT GetLong(std::string_view name, std::int32_t* value);
  HRESULT SetValue(std::string_view name, const platform::Variant& value);
  HRESULT SetString(std::string_view name, std::string_view value);
  HRESULT SetBool(std::string_view name, bool value);
  HRESULT SetLong(std::string_view name, std::int32_t value);
  HRESULT ResetToDefault(std::string_view name);

  // The flags the frame consults often; false when the read fails.
  bool Interactive() { return Flag("Interactive"); }
  bool OverwriteOutput() { return Flag("OverwriteOutput"); }
  bool HideApplication() { return Flag("HideApplication"); }
  bool LaunchApplication() { return Flag("LaunchApplication"); }
  bool ShowHelp() { return Flag("ShowHelp"); }

  const ComponentInfo& Component() const { return component_; }

 private:
  bool Flag(std::string_view name);
  HRESULT ReadValueText(const xml::Document& document, std::string_view name, std::string* value);
  HRESULT SetNodeText(const std::string& path, std::string_view text);
  HRESULT MergeProperty(const xml::Document& input, xml::Node property);

  const ComponentInfo& component_;
  std::optional<xml::Document> current_;
  std::optional<xml::Document> defaults_;
};

// The XPath of a property's value or type node. The name goes in unescaped,
// so a name holding an apostrophe makes an invalid expression.
std::string PropertyValuePath(std::string_view name);
std::string PropertyTypePath(std::string_view name);

}  // namespace tabulo::frame
