// What every window of the program is built with: its class, its window
// procedure, its fonts and its controls from a layout.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "core/toolkit/Layout.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

// The window procedure of a window owned by a C++ object: the object comes
// with CreateWindowExW's last argument, learns its handle before any other
// message, and receives every message until the window is gone.
// Owner needs: void Attached(HWND) and
// LRESULT HandleMessage(HWND, UINT, WPARAM, LPARAM), reachable from here.
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->Attached(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return owner->HandleMessage(window, message, wParam, lParam);
}

// Registers the class once per process; false when the system refuses it.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure);

// The layout's fonts at that scale, in the layout's order.
std::vector<UniqueFont> MakeFonts(const WindowLayout& layout, const DpiScale& scale);

// The window classes and styles of each kind of control.
struct ControlStyles {
  DWORD button;
  DWORD label;
};

// One child control at its place at that scale, in its font.
HWND CreateControl(HWND parent, const ControlLayout& control, std::wstring_view text, bool enabled,
                   const ControlStyles& styles, HFONT font, const DpiScale& scale);

// A label that sizes itself to its text: it grows or shrinks to the right
// from its left edge. An empty text keeps the label as it is.
void FitLabelToText(HWND label);

// Fonts, places and sizes of every control anew, for a window that has moved
// to a monitor of another dpi; fonts is replaced by the layout's at that scale.
void RescaleControls(HWND parent, const WindowLayout& layout, const DpiScale& scale,
                     std::vector<UniqueFont>& fonts);

// Keeps a window's focus where the user left it across activations
// (WM_ACTIVATE). A window active but minimised gives no control the focus:
// a key pressed then would act unseen.
void KeepFocusAcrossActivation(HWND window, WPARAM activation, HWND& remembered);
// The remembered control gets the focus back, unless one of the window's has it.
void GiveFocusBack(HWND window, HWND remembered);

// Where the system suggests a window moved to a monitor of another dpi
// should stand (WM_DPICHANGED's lParam).
void MoveToSuggestedPlace(HWND window, LPARAM suggested);

// Text does not scale exactly with the layout: away from the design's dpi, a
// label too narrow for its text grows to the right, and a self-sizing label
// that follows another on its row moves right to keep the design's gap.
void MakeRoomForTexts(HWND parent, const WindowLayout& layout, const DpiScale& scale);

// The size of a text on one line in a font; of a control's text in its own.
SIZE TextExtent(HFONT font, std::wstring_view text);
SIZE TextExtent(HWND control);

std::wstring WindowText(HWND window);

// The program's own icon, drawn at size x size pixels.
UniqueIcon LoadProgramIcon(HINSTANCE instance, int size);
// The icon's size at 96 dpi, as the title bar's big icon and as a picture.
inline constexpr int ProgramIconDesignPixels = 32;

}  // namespace ilvorande
