#pragma once

#include <string>

#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"
#include "tables/vocabularies.h"

namespace tabulo::tables {

// Annotation: a header or footer text of a table.
class CAnnotation final : public CSAXEventHandler {
 public:
  CAnnotation() = default;
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Annotation"; }

  AnnotationPosition Position() const { return position_; }
  // Markup-safe.
  const std::string& Text() const { return text_; }

 private:
  AnnotationPosition position_ = AnnotationPosition::kTitleHeader;
  std::string text_;
};

// The writers take annotations by their place in this list (first four
// header, last four footer), not by Position.
class CAnnotations final : public CSAXEventHandlerIndexedCollection<CAnnotation> {
 public:
  std::string_view GetElementName() const override { return "Annotations"; }
  std::string_view GetChildElementName() const override { return "Annotation"; }
};

}  // namespace tabulo::tables
