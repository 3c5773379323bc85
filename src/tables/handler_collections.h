#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "tables/ascii_case.h"
#include "tables/sax_event_handler.h"
#include "tables/tables_error.h"

namespace tabulo::tables {

// A collection element whose children of one kind become owned objects of
// type T, kept in document order.
template <typename T>
class CSAXEventHandlerIndexedCollection : public CSAXEventHandler {
 public:
  // The name of the child elements collected, compared without regard to
  // ASCII letter case.
  virtual std::string_view GetChildElementName() const = 0;

  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override {
    if (!EqualsIgnoringCase(local_name, GetChildElementName())) return nullptr;
    auto child = std::make_unique<T>();
    child->OnStartElement(Context(), attributes);
    return &Add(std::move(child));
  }

  // Appends a child that did not come from the document.
  T& Add(std::unique_ptr<T> child) {
    items_.push_back(std::move(child));
    OnChildAdded();
    return *items_.back();
  }

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  T& operator[](std::size_t index) const { return *items_[index]; }
  const std::vector<std::unique_ptr<T>>& Items() const { return items_; }

 protected:
  virtual void OnChildAdded() {}

 private:
  std::vector<std::unique_ptr<T>> items_;
};

// An indexed collection whose children are also found by their Name without
// regard to ASCII letter case. Of several children with one name, the first
// is found; all stay in the collection.
template <typename T>
class CSAXEventHandlerNamedCollection : public CSAXEventHandlerIndexedCollection<T> {
 public:
  // The child of that name, or nullptr.
  T* FindOrNull(std::string_view name) const {
    const std::vector<T*>& index = Index();
    auto it = std::lower_bound(index.begin(), index.end(), name, [](const T* item, std::string_view key) {
      return LessIgnoringCase(item->Name(), key);
    });
    if (it == index.end() || !EqualsIgnoringCase((*it)->Name(), name)) return nullptr;
    return *it;
  }

  // The child of that name; message 2017 when there is none.
  T& Find(std::string_view name) const {
    if (T* item = FindOrNull(name)) return *item;
    RaiseMessage(kMsgItemDoesNotExist, name);
  }

 protected:
  void OnChildAdded() override { index_.clear(); }

 private:
  // Built on the first lookup: collections are looked up only once complete,
  // and most (heading lists) never are, so they carry no index at all.
  const std::vector<T*>& Index() const {
    if (index_.size() != this->size()) {
      index_.clear();
      index_.reserve(this->size());
      for (const auto& item : this->Items()) index_.push_back(item.get());
      std::stable_sort(index_.begin(), index_.end(),
                       [](const T* a, const T* b) { return LessIgnoringCase(a->Name(), b->Name()); });
    }
    return index_;
  }

  mutable std::vector<T*> index_;
};

}  // namespace tabulo::tables
