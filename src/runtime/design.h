// A window's controls as designed, as a table: where each stands, its tab
// stop, alignment, font, caption and hint.
#pragma once

#include <cstddef>

#include "runtime/control.h"

namespace tolvane {

struct ControlDesign {
  const char* control;  // the name of the control the row is for
  Rect bounds;
  int tabOrder = -1;  // -1: never takes the focus
  Align align = Align::None;
  const char* fontFace = nullptr;  // nullptr: the control keeps its font
  int fontHeight = 12;
  const char* caption = nullptr;  // nullptr: the control keeps its caption
  const char* hint = nullptr;     // nullptr: none
  bool showHint = false;
};

// Applies each row to the control of `window` it names: every font first (a
// group box's caption band depends on its font), then every place, then the
// texts. Each place is set before the alignment, which keeps the control's
// order among its aligned siblings. A row naming no control raises.
void ApplyDesigns(Control& window, const ControlDesign designs[], std::size_t count);
// Only the places, scaled to the window's density. (A new form is at the
// design's 96 pixels per inch: ApplyDesigns places as designed.)
void PlaceDesigns(Control& window, const ControlDesign designs[], std::size_t count);

template <std::size_t N>
void ApplyDesigns(Control& window, const ControlDesign (&designs)[N]) {
  ApplyDesigns(window, designs, N);
}

template <std::size_t N>
void PlaceDesigns(Control& window, const ControlDesign (&designs)[N]) {
  PlaceDesigns(window, designs, N);
}

}  // namespace tolvane
