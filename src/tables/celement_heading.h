#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tables/cheading.h"
#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

class CAxisHeading;
class CElement;
class CElementHeadings;

// A Heading of ElementHeadings or SubElementHeadings: one element shown at
// its place in one instance of its variable.
class CElementHeading final : public CSAXEventHandler, public CHeading {
 public:
  CElementHeading();
  ~CElementHeading() override;

  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Heading"; }

  const std::string& Name() const { return name_; }
  bool IsSortedOn() const { return is_sorted_on_; }
  bool IsSingleValue() const { return is_single_value_; }
  // The element named, resolved when its axis ends; never null in a parsed model.
  CElement* Element() const { return element_; }
  void SetElement(CElement& element) { element_ = &element; }
  // The headings of a net's members; null when there are none.
  CElementHeadings* SubElementHeadings() const { return sub_element_headings_.get(); }

  // Heading tree (PrepareTableLayout): the headings of the variables nested
  // under this element, and the variable heading of the instance it belongs
  // to (for a net member, the same as its net's).
  const std::vector<CAxisHeading*>& Children() const { return children_; }
  std::vector<CAxisHeading*>& Children() { return children_; }
  CAxisHeading* ParentAxisHeading() const { return parent_; }
  void SetParentAxisHeading(CAxisHeading* parent) { parent_ = parent; }

  const std::string& GetName() const override { return name_; }
  const std::string& GetLabel() const override;
  bool IsShown() const override;
  const std::string& GetDisplayText() const override;
  const CElementHeading* AsElementHeading() const override { return this; }

 private:
  const CHeading* PathParent() const override;
  const char* PathSeparator() const override { return ": "; }

  std::string name_;
  bool is_sorted_on_ = false;
  bool is_single_value_ = false;
  CElement* element_ = nullptr;
  std::unique_ptr<CElementHeadings> sub_element_headings_;
  std::vector<CAxisHeading*> children_;
  CAxisHeading* parent_ = nullptr;
};

// ElementHeadings and SubElementHeadings.
class CElementHeadings final : public CSAXEventHandlerNamedCollection<CElementHeading> {
 public:
  std::string_view GetElementName() const override { return "ElementHeadings"; }
  std::string_view GetChildElementName() const override { return "Heading"; }
};

}  // namespace tabulo::tables
