#include "tables/caxis_heading.h"

#include "tables/attribute_reading.h"
#include "tables/caxis.h"
#include "tables/celement_heading.h"

namespace tabulo::tables {
namespace {

const std::string kNoText;

}  // namespace

void CAxisHeading::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Name", name_);
}

const std::string& CAxisHeading::GetLabel() const { return variable_ ? variable_->Label() : kNoText; }

const std::string& CAxisHeading::GetDisplayText() const {
  if (variable_ == nullptr) return name_;
  if (Context().use_variable_labels && !variable_->Label().empty()) return variable_->Label();
  return variable_->Name();
}

const CHeading* CAxisHeading::PathParent() const { return parent_; }

const std::string& CAxisHeading::ContextText() const {
  if (!context_text_) context_text_ = parent_ ? parent_->GetDisplayPath() : std::string();
  return *context_text_;
}

}  // namespace tabulo::tables
