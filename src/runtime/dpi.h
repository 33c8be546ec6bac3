// Screens of other densities. The windows are designed in pixels at 96 pixels
// per inch; on a screen of another density every design length is scaled.
#pragma once

namespace tolvane {

inline constexpr int kDesignPixelsPerInch = 96;

// `pixels` at `from` pixels per inch, at `to`: rounded to the nearest pixel,
// halves away from zero (as the system's MulDiv rounds). Lengths on a screen
// and densities are far too small for the product to overflow.
constexpr int Rescale(int pixels, int to, int from) {
  const int scaled = pixels * to;
  return (scaled < 0 ? scaled - from / 2 : scaled + from / 2) / from;
}

// A design length (pixels at 96 pixels per inch) at `pixelsPerInch`.
constexpr int ScaleFromDesign(int pixels, int pixelsPerInch) {
  return Rescale(pixels, pixelsPerInch, kDesignPixelsPerInch);
}

}  // namespace tolvane
