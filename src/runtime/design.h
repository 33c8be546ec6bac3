// A window's controls as designed, as a table: where each stands, its tab
// stop, alignment, font, caption and hint.
#pragma once

#include <array>
#include <cstddef>

#include "runtime/control.h"

namespace tolvane {

struct ControlDesign {
  Rect bounds;
  int tabOrder = -1;  // -1: never takes the focus
  Align align = Align::None;
  const char* fontFace = nullptr;  // nullptr: the control keeps its font
  int fontHeight = 12;
  const char* caption = nullptr;  // nullptr: the control keeps its caption
  const char* hint = nullptr;     // nullptr: none
  bool showHint = false;
};

// Applies designs[i] to *controls[i]: every font first (a group box's caption
// band depends on its font), then every place, then the texts. Each place is
// set before the alignment, which keeps the control's order among its aligned
// siblings.
void ApplyDesigns(Control* const controls[], const ControlDesign designs[], std::size_t count);
// Only the places, scaled to the density of the controls' window. (A new
// form is at the design's 96 pixels per inch: ApplyDesigns places as designed.)
void PlaceDesigns(Control* const controls[], const ControlDesign designs[], std::size_t count);

template <std::size_t N>
void ApplyDesigns(Control* const (&controls)[N], const ControlDesign (&designs)[N]) {
  ApplyDesigns(controls, designs, N);
}

template <std::size_t N>
void ApplyDesigns(const std::array<Control*, N>& controls, const ControlDesign (&designs)[N]) {
  ApplyDesigns(controls.data(), designs, N);
}

template <std::size_t N>
void PlaceDesigns(const std::array<Control*, N>& controls, const ControlDesign (&designs)[N]) {
  PlaceDesigns(controls.data(), designs, N);
}

}  // namespace tolvane
