// The skeleton that both windows are built on: a top-level window made from
// a layout and owned by a C++ object that outlives it. It keeps the
// controls' values until the window exists, makes the controls at the
// window's scale, follows a change of dpi, gives the focus back where the
// user left it, and changes its layout while it runs. A window adds only
// what is its own, through the hooks at the end.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/toolkit/Layout.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/FocusMemory.h"
#include "win32/toolkit/LayoutControls.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

// The window's class and frame, and the styles that it gives its controls.
struct WindowLook {
  std::string_view className;
  DWORD style;
  DWORD exStyle;
  ControlStyles controls;
};

class LayoutWindow {
 public:
  LayoutWindow(const LayoutWindow&) = delete;
  LayoutWindow& operator=(const LayoutWindow&) = delete;
  // A window still open goes with its owner, without calling the hooks.
  virtual ~LayoutWindow();

 protected:
  LayoutWindow(HINSTANCE instance, const WindowLook& look, const WindowLayout& layout);

  enum class Stage { NotCreated, Open, Destroyed };

  // Registers the class once per process, then creates the window and its
  // controls with that outer frame; false when the system refuses either.
  bool CreateWindowAt(HWND owner, const RECT& frame);
  void Destroy();

  Stage CurrentStage() const { return stage_; }
  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  HINSTANCE Instance() const { return instance_; }
  const DpiScale& Scale() const { return scale_; }
  const WindowLayout& Layout() const { return *layout_; }
  // The outer size of a window that shows its layout at that scale.
  SIZE OuterSize(const DpiScale& scale) const;

  // A control's value: the one kept until the window exists, then the
  // control's own. Once the window is gone, texts are empty and changes
  // are dropped; so are those of a control that the layout does not hold.
  std::wstring ControlText(int id) const;
  void ChangeControlText(int id, std::wstring_view text);
  void EnableControl(int id, bool enabled);
  void ChangeListItems(int id, std::vector<std::wstring> items, int selected);
  // The control that has the focus when the window first activates.
  void FocusFirst(int id);

  // Another layout, also while the window shows (a row that comes and
  // goes): the controls that it adds are made in their reading order with
  // their captions, those that it drops are destroyed, the others keep
  // their values and move to their new places, and the window keeps its
  // top-left corner.
  void ChangeLayout(const WindowLayout& layout);

  // What a window adds to the skeleton:
  // once its controls exist, before it shows;
  virtual void Created() {}
  // once its scale has changed and its controls follow it;
  virtual void ScaleChanged() {}
  // once it is destroyed, and its controls with it;
  virtual void Destroyed() {}
  // its own messages (nothing leaves one to the system).
  virtual std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The window's outer size, also the one it comes back at once minimised.
  void Resize(SIZE outer);
  ControlState InitialState(const ControlLayout& control) const;

  HINSTANCE instance_;
  WindowLook look_;
  std::wstring className_;
  const WindowLayout* layout_;
  HWND window_ = nullptr;
  Stage stage_ = Stage::NotCreated;
  DpiScale scale_;
  std::vector<UniqueFont> fonts_;
  FocusMemory focus_;
  // The controls' values before the window exists.
  std::map<int, ControlState> kept_;
};

}  // namespace ilvorande
