// A window's controls made from its layout, at its scale, and kept fitting
// their texts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/toolkit/Layout.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

// The styles that a window adds for its push buttons and its static controls.
struct ControlStyles {
  DWORD pushButton;
  // Labels and pictures alike: both are STATIC controls.
  DWORD staticControl;
};

// What a control holds when it is made.
struct ControlState {
  std::wstring text;
  bool enabled;
};

// The layout's fonts at that scale, in the layout's order.
std::vector<UniqueFont> MakeFonts(const WindowLayout& layout, const DpiScale& scale);

// Every control of the layout, in its creation order, at its place at that
// scale, in its font, holding what stateOf gives it.
void CreateControls(HWND parent, const WindowLayout& layout, const ControlStyles& styles,
                    const std::vector<UniqueFont>& fonts, const DpiScale& scale,
                    const std::function<ControlState(const ControlLayout&)>& stateOf);

// A control's new text; a label that sizes itself to its text grows or
// shrinks to the right from its left edge.
void SetControlText(HWND parent, const WindowLayout& layout, int id, std::wstring_view text);

// Fonts, places and sizes of every control anew, for a window that has moved
// to a monitor of another dpi; fonts is replaced by the layout's at that scale.
void RescaleControls(HWND parent, const WindowLayout& layout, const DpiScale& scale,
                     std::vector<UniqueFont>& fonts);

}  // namespace ilvorande
