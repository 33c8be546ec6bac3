// Cases that start one launcher on a disc and check its main window.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "fixture_disc.h"
#include "launcher.h"
#include "sample_disc.h"

namespace e2e {

// What a case's check is given: the running launcher, its disc and its main window.
struct Running {
  const FixtureDisc& disc;
  Launcher& launcher;
  HWND main;
};

struct MainWindowCase {
  std::string_view name;
  std::vector<DiscFile> files = SampleDisc();
  std::function<void(const Running&)> check;
  std::string_view folder = {};  // the disc's folder name, if it matters
  int pixelsPerInch = 96;        // the density of the screen the launcher starts on
};

// Writes the disc, starts the launcher, waits for its main window and checks it.
void RunMainWindow(const MainWindowCase& c);

}  // namespace e2e
