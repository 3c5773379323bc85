#include "frame/export_properties.h"

#include "embedded_resources.h"
#include "frame/report_error.h"
#include "xml/parse_error.h"

namespace tabulo::frame {
namespace {

using platform::ChangeType;
using platform::E_FAIL;
using platform::E_INVALIDARG;
using platform::E_POINTER;
using platform::Failed;
using platform::S_OK;
using platform::Variant;
using platform::VarType;

constexpr int kErrorSettingProperty = 2001;
constexpr int kInvalidValue = 2002;
constexpr int kErrorSettingNode = 2003;
constexpr int kErrorGettingNode = 2004;
constexpr int kLoadingFailed = 2005;
constexpr int kRetrieveDefaultFailed = 2006;
constexpr int kSetDefaultFailed = 2007;

std::string PropertyPath(std::string_view name, std::string_view suffix) {
  std::string path = "/properties/property[name = '";
  path += name;
  path += suffix;
  return path;
}

// Selects the single node of a path; an XPath failure becomes a COM error
// carrying the evaluator's message.
HRESULT SelectSingle(const xml::Document& document, const std::string& path, std::optional<xml::Node>* node,
                     std::optional<CNXComError>* error) {
  try {
    *node = document.SelectSingleNode(path);
    return S_OK;
  } catch (const xml::XPathError& failure) {
    *error = CNXComError(E_FAIL, failure.what());
    return E_FAIL;
  }
}

// The variant type a type text stands for: the text converted to a 16-bit
// integer, which must be a type the conversions know.
HRESULT TypeFromText(const std::string& text, VarType* type) {
  Variant code;
  HRESULT hr = ChangeType(Variant::FromString(text), VarType::I2, code);
  if (Failed(hr)) return hr;
  auto known = platform::VarTypeFromCode(code.i2());
  if (!known) return platform::DISP_E_BADVARTYPE;
  *type = *known;
  return S_OK;
}

}  // namespace

std::string PropertyValuePath(std::string_view name) { return PropertyPath(name, "']/value"); }
std::string PropertyTypePath(std::string_view name) { return PropertyPath(name, "']/type"); }

bool CExportProperties::Flag(std::string_view name) {
  bool value = false;
  return !Failed(GetBool(name, &value)) && value;
}

HRESULT CExportProperties::EnsureLoaded() {
  if (current_) return S_OK;
  auto text = platform::FindResource(resources::Embedded(), component_.resource_name, "PROPERTIES",
                                     component_.properties_resource_id);
  try {
    if (!text) throw xml::ParseError("missing resource", 0);
    current_ = xml::Document::Parse(*text);
    defaults_ = xml::Document::Parse(*text);
  } catch (const xml::ParseError&) {
    current_.reset();
    defaults_.reset();
    return ReportMessage(component_, kLoadingFailed);
  }
  return S_OK;
}

HRESULT CExportProperties::GetPropertiesXml(std::string* xml) {
  if (xml == nullptr) return E_POINTER;
  HRESULT hr = EnsureLoaded();
  if (Failed(hr)) return hr;
  *xml = current_->Xml();
  return S_OK;
}

HRESULT CExportProperties::ReadValueText(const xml::Document& document, std::string_view name,
                                         std::string* value) {
  std::string path = PropertyValuePath(name);
  std::optional<xml::Node> node;
  std::optional<CNXComError> error;
  SelectSingle(document, path, &node, &error);
  if (!node) return ReportComError(component_, error.value_or(CNXComError(E_FAIL)), kErrorGettingNode, path);
  *value = node->Text();
  return S_OK;
}

HRESULT CExportProperties::GetString(std::string_view name, std::string* value) {
  if (value == nullptr) return E_POINTER;
  if (name.empty()) return E_INVALIDARG;
  HRESULT hr = EnsureLoaded();
  if (Failed(hr)) return hr;
  return ReadValueText(*current_, name, value);
}

HRESULT CExportProperties::GetBool(std::string_view name, bool* value) {
  if (value == nullptr) return E_POINTER;
  std::string text;
  HRESULT hr = GetString(name, &text);
  if (Failed(hr)) return hr;
  Variant converted;
  hr = ChangeType(Variant::FromString(text), VarType::Bool, converted);
  if (Failed(hr)) return hr;
  *value = converted.boolean();
  return S_OK;
}

HRESULT CExportProperties::GetLong(std::string_view name, std::int32_t* value) {
  if (value == nullptr) return E_POINTER;
  std::string text;
  HRESULT hr = GetString(name, &text);
  if (Failed(hr)) return hr;
  Variant converted;
  hr = ChangeType(Variant::FromString(text), VarType::I4, converted);
  if (Failed(hr)) return hr;
  *value = converted.i4();
  return S_OK;
}

HRESULT CExportProperties::SetValue(std::string_view name, const Variant& value) {
  if (name.empty()) return E_INVALIDARG;
  HRESULT hr = EnsureLoaded();
  if (Failed(hr)) return hr;

  auto fail = [&](HRESULT failure, std::optional<CNXComError> error = std::nullopt) {
    return ReportComError(component_, error.value_or(CNXComError(failure)), kErrorSettingProperty,
                          std::string(name));
  };
  std::optional<xml::Node> type_node;
  std::optional<CNXComError> error;
  hr = SelectSingle(*current_, PropertyTypePath(name), &type_node, &error);
  if (Failed(hr)) return fail(hr, error);

  Variant typed = value;
  if (type_node) {
    VarType stored_type{};
    hr = TypeFromText(type_node->Text(), &stored_type);
    if (Failed(hr)) return fail(hr);
    hr = ChangeType(value, stored_type, typed);
    if (Failed(hr)) return fail(hr);
  }
  Variant text;
  hr = ChangeType(typed, VarType::Bstr, text);
  if (Failed(hr)) return fail(hr);
  hr = SetNodeText(PropertyValuePath(name), text.string());
  if (Failed(hr)) return fail(hr);
  return S_OK;
}

HRESULT CExportProperties::SetString(std::string_view name, std::string_view value) {
  return SetValue(name, Variant::FromString(std::string(value)));
}

HRESULT CExportProperties::SetBool(std::string_view name, bool value) {
  return SetValue(name, Variant::FromBool(value));
}

HRESULT CExportProperties::SetLong(std::string_view name, std::int32_t value) {
  return SetValue(name, Variant::FromI4(value));
}

HRESULT CExportProperties::SetNodeText(const std::string& path, std::string_view text) {
  std::optional<xml::Node> node;
  std::optional<CNXComError> error;
  HRESULT hr = SelectSingle(*current_, path, &node, &error);
  if (Failed(hr)) return ReportComError(component_, *error, kErrorSettingNode, path, std::string(text));
  if (!node) return S_OK;
  node->ReplaceFirstChildWithCData(text);
  return S_OK;
}

HRESULT CExportProperties::ResetToDefault(std::string_view name) {
  if (name.empty()) return E_INVALIDARG;
  HRESULT hr = EnsureLoaded();
  if (Failed(hr)) return hr;
  std::string text;
  hr = ReadValueText(*defaults_, name, &text);
  if (Failed(hr)) return ReportComError(component_, CNXComError(hr), kRetrieveDefaultFailed, std::string(name));
  hr = SetNodeText(PropertyValuePath(name), text);
  if (Failed(hr)) return ReportComError(component_, CNXComError(hr), kSetDefaultFailed, std::string(name));
  return S_OK;
}

HRESULT CExportProperties::MergeProperty(const xml::Document& input, xml::Node property) {
  auto child = [&](const char* name) { return input.SelectSingleNode(name, property); };
  std::optional<xml::Node> name = child("name");
  std::optional<xml::Node> type = child("type");
  std::optional<xml::Node> value = child("value");
  if (!name || !type || !value) return S_OK;

  std::string value_text = value->Text();
  VarType host_type{};
  HRESULT hr = TypeFromText(type->Text(), &host_type);
  Variant converted;
  if (!Failed(hr)) hr = ChangeType(Variant::FromString(value_text), host_type, converted);
  if (!Failed(hr)) hr = SetValue(name->Text(), converted);
  if (Failed(hr)) return ReportComError(component_, CNXComError(hr), kInvalidValue, value_text);
  return S_OK;
}

HRESULT CExportProperties::PutPropertiesXml(const char* xml) {
  if (xml == nullptr) return E_INVALIDARG;
  HRESULT hr = EnsureLoaded();
  if (Failed(hr)) return hr;
  // Text that does not parse merges nothing, as an empty document would.
  std::optional<xml::Document> input;
  try {
    input = xml::Document::Parse(xml);
  } catch (const xml::ParseError&) {
    return S_OK;
  }
  std::vector<xml::Node> properties;
  try {
    properties = input->SelectNodes("/properties/property");
  } catch (const xml::XPathError&) {
    return ReportMessage(component_, component_.invalid_property_xml_id);
  }
  for (xml::Node property : properties) {
    hr = MergeProperty(*input, property);
    if (Failed(hr)) return hr;
  }
  return S_OK;
}

}  // namespace tabulo::frame
