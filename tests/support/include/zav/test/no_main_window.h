#pragma once
// A main window without menus or a toolbar, for opening one tool window
// alone (the benchmarks' windows have no program around them).
#include "zav/window/main_window_controls.h"

namespace zav::test {

class NoMainWindow final : public window::MainWindowControls {
  public:
    void setMainMenusEnabled(bool) override {}
    void setToolbarEnabled(bool) override {}
};

}  // namespace zav::test
