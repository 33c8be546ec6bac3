#include "runtime/design.h"

namespace tolvane {

void ApplyDesigns(Control* const controls[], const ControlDesign designs[], std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (designs[i].fontFace != nullptr)
      controls[i]->SetFont(Font{designs[i].fontFace, designs[i].fontHeight});
  for (std::size_t i = 0; i < count; ++i) {
    controls[i]->SetBounds(designs[i].bounds);
    controls[i]->SetTabOrder(designs[i].tabOrder);
    controls[i]->SetAlign(designs[i].align);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const ControlDesign& d = designs[i];
    if (d.caption != nullptr)
      controls[i]->SetCaption(d.caption);
    if (d.hint != nullptr)
      controls[i]->SetHint(d.hint);
    controls[i]->SetShowHint(d.showHint);
  }
}

void PlaceDesigns(Control* const controls[], const ControlDesign designs[], std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    Control& c = *controls[i];
    const Rect& r = designs[i].bounds;
    c.SetBounds({c.Scaled(r.left), c.Scaled(r.top), c.Scaled(r.width), c.Scaled(r.height)});
  }
}

}  // namespace tolvane
