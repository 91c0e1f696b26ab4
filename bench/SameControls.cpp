// The floor for the main window's start-up: a window of the main window's size
// with its 22 controls (14 push buttons, the checkbox, two edit boxes, five
// labels) taken from its layout, in one "MS Sans Serif" 8.25 pt font, shown,
// and a message loop. Nothing else: no icon, no second font, no behaviour.
// Built with the program's manifest.
#include <windows.h>

#include <string>

#include "ReferenceWindow.h"
#include "core/mainwindow/MainLayout.h"
#include "win32/mainwindow/MainWindowLook.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/Win32Text.h"

namespace {

using namespace ilvorande;

// The mode buttons get their captions when the program loads; here at once.
std::wstring Caption(const ControlLayout& control) {
  for (const ModePreset& preset : ModePresets) {
    if (control.id == static_cast<int>(ModeButton(preset.index))) {
      return Utf8ToWide(PresetCaption(preset));
    }
  }
  return Utf8ToWide(control.caption);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const DpiScale scale = DpiScale::OfWindow(nullptr);
  const SIZE outer =
      scale.OuterSize(MainLayout.clientWidth, MainLayout.clientHeight, MainLook.style, 0);
  const HWND window = bench::CreateReferenceWindow(instance, L"BenchSameControls", L"Same controls",
                                                   MainLook.style, outer);

  const FontSpec& design = MainLayout.fonts[main_layout::Default];
  const HFONT font =
      CreateFontW(scale.FontHeight(design.centipoints), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH, Utf8ToWide(design.face).c_str());
  for (const ControlLayout& control : MainLayout.controls) {
    const ChildClass child = ChildClassOf(control, MainLook.controls);
    const DWORD style = child.style | (control.disabled ? WS_DISABLED : 0);
    const HWND made = CreateWindowExW(
        child.exStyle, child.name, Caption(control).c_str(), style, scale.Pixels(control.left),
        scale.Pixels(control.top), scale.Pixels(control.width), scale.Pixels(control.height),
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }

  const int status = bench::ShowAndRun(window, showCommand);
  DeleteObject(font);
  return status;
}
