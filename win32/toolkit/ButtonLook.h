// A push button's caption drawn as the system draws it: in the visual
// style's text where one is active, else in the system's colours (which
// are the high-contrast ones when the user asks for them).
#pragma once

#include <windows.h>

#include <string>

namespace ilvorande {

// Numbered as the visual style numbers a push button's states (vssym32.h).
enum class ButtonState { Normal = 1, Hot, Pressed, Disabled, Defaulted };

// From the item state of a custom-draw notification.
ButtonState StateOf(UINT itemState);

class ButtonLook {
 public:
  explicit ButtonLook(HWND button);
  bool IsThemed() const { return theme_ != nullptr; }
  // The caption wrapped at word boundaries within width.
  SIZE MeasureWrapped(HDC dc, const std::wstring& caption, int width) const;
  void DrawWrapped(HDC dc, const std::wstring& caption, RECT place, ButtonState state) const;

 private:
  // The button's own visual style, opened and closed by the button.
  void* theme_ = nullptr;
};

}  // namespace ilvorande
