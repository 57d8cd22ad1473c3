#pragma once
// What a tool window may do to the main window: disable and enable its main
// menus (File, Options, Utilities, Help) and its toolbar. Tool windows go
// through this and never touch the main window's members.
namespace zav::window {

class MainWindowControls {
  public:
    virtual ~MainWindowControls() = default;
    virtual void setMainMenusEnabled(bool enabled) = 0;
    virtual void setToolbarEnabled(bool enabled) = 0;
};

}  // namespace zav::window
