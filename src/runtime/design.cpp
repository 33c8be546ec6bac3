#include "runtime/design.h"

#include <string_view>

#include "runtime/runtime_error.h"

namespace tolvane {

namespace {

Control* FindControl(Control& root, std::string_view name) {
  if (root.Name() == name)
    return &root;
  for (Control* child : root.Children())
    if (Control* found = FindControl(*child, name))
      return found;
  return nullptr;
}

Control& ControlOf(Control& window, const ControlDesign& design) {
  Control* control = FindControl(window, design.control);
  if (control == nullptr)
    throw RuntimeError(design.control);
  return *control;
}

}  // namespace

void ApplyDesigns(Control& window, const ControlDesign designs[], std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (designs[i].fontFace != nullptr)
      ControlOf(window, designs[i]).SetFont(Font{designs[i].fontFace, designs[i].fontHeight});
  for (std::size_t i = 0; i < count; ++i) {
    Control& c = ControlOf(window, designs[i]);
    c.SetBounds(designs[i].bounds);
    c.SetTabOrder(designs[i].tabOrder);
    c.SetAlign(designs[i].align);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const ControlDesign& d = designs[i];
    Control& c = ControlOf(window, d);
    if (d.caption != nullptr)
      c.SetCaption(d.caption);
    if (d.hint != nullptr)
      c.SetHint(d.hint);
    c.SetShowHint(d.showHint);
  }
}

void PlaceDesigns(Control& window, const ControlDesign designs[], std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    Control& c = ControlOf(window, designs[i]);
    const Rect& r = designs[i].bounds;
    c.SetBounds({c.Scaled(r.left), c.Scaled(r.top), c.Scaled(r.width), c.Scaled(r.height)});
  }
}

}  // namespace tolvane
