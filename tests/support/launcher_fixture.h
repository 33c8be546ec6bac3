// A launcher on a fake disc: the platform, the application and the main
// window, started the way the program starts it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "autorun1/form1.h"
#include "runtime/application.h"
#include "support/fake_platform.h"

namespace tolvane::testing {

inline constexpr const char* kDisc = "Q:\\disc\\";

class LauncherFixture {
 public:
  LauncherFixture() {
    platform.programPath = std::string(kDisc) + "tolvane.exe";
    platform.SetDriveType("Q:", 5);
    app.SetTitle("Tolvane");
  }

  // Writes a file beside the program.
  void DiscFile(const std::string& name, const std::string& bytes) {
    platform.AddFile(kDisc + name, bytes);
  }

  // Creates the main window on a screen of this density, as the native
  // window reports it, and runs its start-up; false when start-up raised.
  bool Start(const std::vector<std::string>& args = {"tolvane.exe"}, int pixelsPerInch = 96) {
    form = std::make_unique<TForm1>(app, ReadCommandOptions(args));
    form->SetPixelsPerInch(pixelsPerInch);
    return app.Guard([this] { form->FormCreate(); });
  }

  // Selects a line as the user does.
  void Select(int line) {
    form->ListBox1.SetItemIndex(line);
    form->ListBox1Click(form->ListBox1);
  }

  FakePlatform platform;
  Application app{platform};
  std::unique_ptr<TForm1> form;
};

}  // namespace tolvane::testing
