#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"
#include "tables/vocabularies.h"

namespace tabulo::tables {

class CElements;

// Style: the image shown with an element's heading.
class CStyle final : public CSAXEventHandler {
 public:
  CStyle() = default;
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Style"; }

  const std::string& Image() const { return image_; }
  ImagePosition Position() const { return image_position_; }

 private:
  std::string image_;
  ImagePosition image_position_ = ImagePosition::kLeft;
};

// Element: a category, base, statistic or net of a variable.
class CElement final : public CSAXEventHandler {
 public:
  CElement();
  ~CElement() override;

  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Element"; }

  const std::string& Name() const { return name_; }
  // Markup-safe when UseFormattedLabels is on, as written otherwise.
  const std::string& Label() const { return label_; }
  ElementType Type() const { return type_; }
  bool HasCellValues() const { return has_cell_values_; }
  bool ShownOnTable() const { return shown_on_table_; }
  std::int32_t Decimals() const { return decimals_; }
  // The members of a net; null when there are none.
  CElements* SubElements() const { return sub_elements_.get(); }
  // Null when the element has no Style.
  const CStyle* Style() const { return style_.get(); }

 private:
  std::string name_;
  std::string label_;
  ElementType type_ = ElementType::kCategory;
  bool has_cell_values_ = true;
  bool shown_on_table_ = true;
  std::int32_t decimals_ = -1;
  std::unique_ptr<CElements> sub_elements_;
  std::unique_ptr<CStyle> style_;
};

// Elements and SubElements.
class CElements final : public CSAXEventHandlerNamedCollection<CElement> {
 public:
  std::string_view GetElementName() const override { return "Elements"; }
  std::string_view GetChildElementName() const override { return "Element"; }
};

}  // namespace tabulo::tables
