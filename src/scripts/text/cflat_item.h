#pragma once

#include <string>
#include <string_view>

namespace tabulo::text {

// One item of the flattened side axis: its text as written, and whether it
// is a leaf, the only kind of item that carries values.
class CFlatItem {
 public:
  CFlatItem() = default;
  CFlatItem(std::string_view item, bool leaf) : item_(item), leaf_(leaf) {}

  void Init(std::string_view item, bool leaf) {
    item_ = item;
    leaf_ = leaf;
  }
  const std::string& Item() const { return item_; }
  bool Leaf() const { return leaf_; }

 private:
  std::string item_;
  bool leaf_ = false;
};

}  // namespace tabulo::text
