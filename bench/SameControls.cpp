// The floor for the main window's start-up: what the program does before its
// window shows, by the shortest way, and nothing else. The number of screens
// and the mode in force read from the system; a window of the main window's
// class style and size, centred, with its 22 controls (14 push buttons, the
// checkbox, two edit boxes, five labels) taken from its layout, each in its
// own of the layout's two fonts, the mode in force and the sizes written in;
// the program's icon at its size, the Ctrl+Z shortcut, the one-second timer;
// shown, and a message loop. No behaviour. Built with the program's manifest
// and icon.
#include <windows.h>

#include <string>
#include <vector>

#include "ReferenceWindow.h"
#include "core/mainwindow/MainLayout.h"
#include "resources/ResourceIds.h"
#include "win32/mainwindow/MainWindowLook.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/ProgramIcon.h"
#include "win32/toolkit/Win32Text.h"

namespace {

using namespace ilvorande;

constexpr UINT_PTR TimerId = 1;
constexpr UINT TimerMs = 1000;

// What the program writes into its controls before they exist.
std::wstring Caption(const ControlLayout& control, SIZE screen) {
  for (const ModePreset& preset : ModePresets) {
    if (control.id == static_cast<int>(ModeButton(preset.index))) {
      return Utf8ToWide(PresetCaption(preset));
    }
  }
  switch (static_cast<MainControl>(control.id)) {
    case MainControl::ModeInForce:
      return std::to_wstring(screen.cx) + L" X " + std::to_wstring(screen.cy);
    case MainControl::WidthBox:
      return std::to_wstring(screen.cx);
    case MainControl::HeightBox:
      return std::to_wstring(screen.cy);
    default:
      return Utf8ToWide(control.caption);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  GetSystemMetrics(SM_CMONITORS);
  const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const DpiScale scale = DpiScale::OfWindow(nullptr);
  const SIZE outer = scale.OuterSize(MainLayout.clientWidth, MainLayout.clientHeight,
                                     MainLook.style, MainLook.exStyle);
  const HWND window = bench::CreateReferenceWindow(instance, L"BenchSameControls", L"Same controls",
                                                   MainLook.style, MainLook.exStyle,
                                                   {(GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2,
                                                    (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2},
                                                   outer);

  std::vector<HFONT> fonts;
  for (const FontSpec& design : MainLayout.fonts) {
    fonts.push_back(CreateFontW(scale.FontHeight(design.centipoints), 0, 0, 0, FW_NORMAL, FALSE,
                                design.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, Utf8ToWide(design.face).c_str()));
  }
  for (const ControlLayout* control : MainLayout.InCreationOrder()) {
    const ChildClass child = ChildClassOf(*control, MainLook.controls);
    const DWORD style = child.style | (control->disabled ? WS_DISABLED : 0);
    const HWND made = CreateWindowExW(
        child.exStyle, child.name, Caption(*control, screen).c_str(), style,
        scale.Pixels(control->left), scale.Pixels(control->top), scale.Pixels(control->width),
        scale.Pixels(control->height), window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), instance, nullptr);
    SendMessageW(made, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts[static_cast<std::size_t>(control->font)]), FALSE);
  }

  const int iconSize = scale.FromDesignPixels(ProgramIconDesignPixels);
  const auto icon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ILVORANDE), IMAGE_ICON, iconSize, iconSize, 0));
  for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
  ACCEL shortcut{FVIRTKEY | FCONTROL, 'Z', 1};
  const HACCEL shortcuts = CreateAcceleratorTableW(&shortcut, 1);
  GetSystemMetrics(SM_CMONITORS);
  SetTimer(window, TimerId, TimerMs, nullptr);

  const int status = bench::ShowAndRun(window, showCommand);
  DestroyAcceleratorTable(shortcuts);
  DestroyIcon(icon);
  for (const HFONT font : fonts) DeleteObject(font);
  return status;
}
