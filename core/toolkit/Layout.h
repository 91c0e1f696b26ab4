// The one record that both windows are built from: each control's kind,
// caption, place in twips, tab place and look.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

namespace ilvorande {

inline constexpr int TwipsPerInch = 1440;
inline constexpr int DesignDpi = 96;

// Pixels at a given dpi, rounded to the nearest (15 twips a pixel at 96 dpi).
constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + TwipsPerInch / 2) / TwipsPerInch;
}

struct FontSpec {
  std::string_view face;
  int centipoints;  // 825 for 8.25 pt
  bool underline = false;
};

enum class ControlKind { Button, CheckBox, Edit, Label, Picture };
enum class TextColour { System, Purple, Blue };
enum class Pointer { Arrow, WebLink, MailLink };

struct ControlLayout {
  int id;
  ControlKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips, from the client area's top-left corner
  int tabPlace;
  int font = 0;  // index into the window's fonts; 0 is its default font
  bool centred = false;
  bool sizesToText = false;  // grows to the right from its left edge
  bool disabled = false;
  TextColour colour = TextColour::System;
  Pointer pointer = Pointer::Arrow;
};

struct WindowLayout {
  std::string_view caption;
  int clientWidth, clientHeight;  // twips
  std::span<const FontSpec> fonts;
  std::span<const ControlLayout> controls;

  const ControlLayout* Find(int id) const {
    const auto found = std::ranges::find(controls, id, &ControlLayout::id);
    return found != controls.end() ? &*found : nullptr;
  }

  // The order to create the controls in, which is also the order from front
  // to back: those that take the focus in the order that Tab follows, then
  // the labels and pictures, so that a text box lies in front of a label
  // that reaches behind it.
  std::vector<const ControlLayout*> InCreationOrder() const {
    std::vector<const ControlLayout*> ordered;
    for (const auto& control : controls) ordered.push_back(&control);
    std::ranges::stable_sort(ordered, [](const ControlLayout* a, const ControlLayout* b) {
      const bool aFocusable = TakesFocus(a->kind), bFocusable = TakesFocus(b->kind);
      return aFocusable != bFocusable ? aFocusable : a->tabPlace < b->tabPlace;
    });
    return ordered;
  }

  static constexpr bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Picture;
  }
};

}  // namespace ilvorande
