#pragma once

#include <memory>
#include <string_view>

#include "tables/render_context.h"
#include "xml/sax_reader.h"

namespace tabulo::tables {

// Every model class is also the SAX handler of its own element: it reads its
// attributes when the element starts, creates the objects of the child
// elements it knows and ignores everything else.
class CSAXEventHandler {
 public:
  virtual ~CSAXEventHandler() = default;
  CSAXEventHandler(const CSAXEventHandler&) = delete;
  CSAXEventHandler& operator=(const CSAXEventHandler&) = delete;

  // Stores the context, then (in derived classes) reads the attributes.
  virtual void OnStartElement(RenderContext& context, const xml::Attributes& attributes);
  // The handler of a child element, or nullptr for an element this one does
  // not know (its whole subtree is then ignored). The handler returned stays
  // owned by this object.
  virtual CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                               const xml::Attributes& attributes);
  virtual void OnEndElement(std::string_view local_name);
  // Character data inside the element, possibly in several pieces.
  virtual void OnCharacters(std::string_view text);
  // The element name this class handles; empty for the null handler.
  virtual std::string_view GetElementName() const = 0;

  RenderContext& Context() const { return *context_; }

 protected:
  CSAXEventHandler() = default;
  CSAXEventHandler(CSAXEventHandler&&) = default;
  CSAXEventHandler& operator=(CSAXEventHandler&&) = default;

 private:
  RenderContext* context_ = nullptr;
};

// Stands for every element that no handler knows.
class CNullSAXEventHandler final : public CSAXEventHandler {
 public:
  CNullSAXEventHandler() = default;
  std::string_view GetElementName() const override { return {}; }
};

// Creates the object of a child element into its slot of the parent, which
// keeps it (a later element of the same kind replaces an earlier one), and
// returns it as the child's handler.
template <typename T>
CSAXEventHandler* StartChild(std::unique_ptr<T>& slot, RenderContext& context,
                             const xml::Attributes& attributes) {
  auto child = std::make_unique<T>();
  child->OnStartElement(context, attributes);
  slot = std::move(child);
  return slot.get();
}

}  // namespace tabulo::tables
