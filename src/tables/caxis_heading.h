#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tables/cheading.h"
#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

class CAxis;
class CElementHeading;

// A Heading of AxisHeadings: one instance of a variable shown at its place.
class CAxisHeading final : public CSAXEventHandler, public CHeading {
 public:
  CAxisHeading() = default;

  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Heading"; }

  const std::string& Name() const { return name_; }
  // The variable named, resolved when its axis ends; never null in a parsed model.
  CAxis* Variable() const { return variable_; }
  void SetVariable(CAxis& variable) { variable_ = &variable; }

  // Heading tree (PrepareTableLayout): the element headings of this
  // instance, and the element heading it is nested under (null on a root axis).
  const std::vector<CElementHeading*>& Children() const { return children_; }
  std::vector<CElementHeading*>& Children() { return children_; }
  CElementHeading* ParentElementHeading() const { return parent_; }
  void SetParentElementHeading(CElementHeading* parent) { parent_ = parent; }

  // The display path of the parent element heading, empty without parent;
  // kept once computed.
  const std::string& ContextText() const;

  const std::string& GetName() const override { return name_; }
  const std::string& GetLabel() const override;
  bool IsShown() const override { return true; }
  const std::string& GetDisplayText() const override;
  const CAxisHeading* AsAxisHeading() const override { return this; }

 private:
  const CHeading* PathParent() const override;
  const char* PathSeparator() const override { return ", "; }

  std::string name_;
  CAxis* variable_ = nullptr;
  std::vector<CElementHeading*> children_;
  CElementHeading* parent_ = nullptr;
  mutable std::optional<std::string> context_text_;
};

// AxisHeadings: the variables of the sibling SubAxes in display order,
// repeated once per element heading of the variable above (one block each).
class CAxisHeadings final : public CSAXEventHandlerNamedCollection<CAxisHeading> {
 public:
  std::string_view GetElementName() const override { return "AxisHeadings"; }
  std::string_view GetChildElementName() const override { return "Heading"; }
};

}  // namespace tabulo::tables
