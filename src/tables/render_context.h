#pragma once

#include <cstdint>
#include <string>

namespace tabulo::tables {

// The part of a renderer's settings that the table model reads while it is
// built and laid out, and the document-level values that the parse writes
// back. The renderer owns it (its settings block derives from it); the model
// only points at it and must not outlive it.
struct RenderContext {
  // Read by the model. Defaults are the renderer's own defaults.
  bool use_formatted_labels = false;  // labels of axes and elements are checked for markup
  bool use_variable_labels = true;
  bool use_element_labels = true;
  bool include_categories = true;
  bool include_cell_values = true;
  bool horizontal_side_axis = true;

  // Written from the Document element.
  std::string image_location;  // ends in "/", "\" or "=" unless empty
  std::int32_t locale_id = 0;  // left unchanged by a document without a LocaleId
};

}  // namespace tabulo::tables
