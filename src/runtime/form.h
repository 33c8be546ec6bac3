// A top-level window as a model: its outer bounds (screen coordinates), its
// client area, and the controls placed in it.
#pragma once

#include <string>

#include "runtime/application.h"
#include "runtime/control.h"

namespace tolvane {

// Sizeable: a main window. Dialog: a fixed frame, no minimise or maximise.
enum class BorderStyle { Sizeable, Dialog };

// The results a modal form ends with.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

class Form : public Control {
 public:
  Form(const char* name, Application& app);
  Application& App() const { return app_; }

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // Sets the client size; the outer size follows with the frame's extents.
  void SetClientSize(int width, int height);
  // What the frame and caption bar add to the client size.
  void SetFrameExtents(int extraWidth, int extraHeight);
  Rect AlignArea() const override { return {0, 0, clientWidth_, clientHeight_}; }

  // The native window was resized: realign, then raise OnResize.
  void WindowResized(Rect outer, int clientWidth, int clientHeight);

  int PixelsPerInch() const override { return pixelsPerInch_; }
  // The window is on a screen of this density, from its creation on or since
  // it was moved there: its client size changes in proportion, and the form
  // places its controls for it (ScaleChanged).
  void SetPixelsPerInch(int pixelsPerInch);
  // The outer size a layout reckons with. At 96 pixels per inch the window's
  // own; on another screen the client area and the frame of the design,
  // scaled: the system's frame does not grow in proportion, and the controls
  // keep the design's margins whatever frame it draws.
  int LayoutWidth() const;
  int LayoutHeight() const;

  bool Shown() const { return shown_; }
  // Makes the window visible and brings it to the front.
  void Show();
  // Asks the window to close; OnCloseQuery may refuse.
  void Close();
  bool Closed() const { return closed_; }
  // Runs the close query; true when the window may close.
  bool CloseQuery();

  tolvane::BorderStyle GetBorderStyle() const { return borderStyle_; }
  // Set before the native window is created.
  void SetBorderStyle(tolvane::BorderStyle style) { borderStyle_ = style; }

  // Shows the window modally: returns when it has closed, with its result
  // (Cancel unless something set another before the close).
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  NotifyEvent OnResize;
  Callback<void(Control& sender, bool& canClose)> OnCloseQuery;

 protected:
  // A window is deleted as what it is (see Control).
  ~Form() = default;
  // Places and sizes the controls for the density the window is on now.
  virtual void ScaleChanged(int /*oldPixelsPerInch*/) {}

 private:
  // What the frame and caption bar add to the client area, as the design has it.
  static constexpr int kDesignFrameWidth = 8;
  static constexpr int kDesignFrameHeight = 27;

  Application& app_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int extraWidth_ = kDesignFrameWidth;
  int extraHeight_ = kDesignFrameHeight;
  int pixelsPerInch_ = kDesignPixelsPerInch;
  bool shown_ = false;
  bool closed_ = false;
  tolvane::BorderStyle borderStyle_ = tolvane::BorderStyle::Sizeable;
  int modalResult_ = kModalNone;
};

}  // namespace tolvane
