#pragma once

#include <cstdint>
#include <string>

#include "platform/variant.h"
#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

// The text content of a property's "name" or "value" child.
class CPropertyText : public CSAXEventHandler {
 public:
  // Starts a new text: a second element of the same kind replaces the first.
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  // The parser may deliver one text in several pieces; all are kept.
  void OnCharacters(std::string_view text) override { text_.append(text); }

  const std::string& Text() const { return text_; }

 protected:
  CPropertyText() = default;

 private:
  std::string text_;
};

class CPropertyName final : public CPropertyText {
 public:
  CPropertyName() = default;
  std::string_view GetElementName() const override { return "name"; }
};

class CPropertyValue final : public CPropertyText {
 public:
  CPropertyValue() = default;
  std::string_view GetElementName() const override { return "value"; }
};

// The "type" child: a decimal variant type number ("8" string, "11" boolean).
class CPropertyType final : public CSAXEventHandler {
 public:
  CPropertyType() = default;
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  void OnCharacters(std::string_view text) override;
  std::string_view GetElementName() const override { return "type"; }

  std::uint16_t Type() const { return type_; }

 private:
  std::string text_;
  std::uint16_t type_ = 0;
};

// property: a per-table setting with a name, a variant type and a value.
class CProperty final : public CSAXEventHandler {
 public:
  CProperty() = default;
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  // Converts the value text to the given type with the rules of locale
  // 1033; a failed conversion or an unknown type leaves the value empty.
  void OnEndElement(std::string_view local_name) override;
  std::string_view GetElementName() const override { return "property"; }

  const std::string& Name() const { return name_.Text(); }
  const std::string& ValueText() const { return value_text_.Text(); }
  std::uint16_t Type() const { return type_.Type(); }
  const platform::Variant& Value() const { return value_; }

 private:
  CPropertyName name_;
  CPropertyType type_;
  CPropertyValue value_text_;
  platform::Variant value_;
};

class CProperties final : public CSAXEventHandlerIndexedCollection<CProperty> {
 public:
  std::string_view GetElementName() const override { return "Properties"; }
  std::string_view GetChildElementName() const override { return "Property"; }

  // The first property whose name equals `name` without regard to ASCII
  // letter case, or nullptr.
  const CProperty* Find(std::string_view name) const;
};

}  // namespace tabulo::tables
