// The one record that both windows are built from: each control's kind,
// caption, place in twips, reading order and look.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
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

// A link is a label that takes the focus and opens with Enter or Space.
enum class ControlKind { Button, CheckBox, Edit, Label, Link, Picture, DropDownList };
enum class TextColour { System, Purple, Blue };
enum class Pointer { Arrow, WebLink, MailLink };

struct Rgb {
  std::uint8_t red, green, blue;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};
enum class SystemColour { WindowText, HotLight };
// A colour of the design's own, or one the user chose for the system.
using Ink = std::variant<Rgb, SystemColour>;

// Under high contrast every colour is the user's: the window text, and the
// hot-light colour for the links.
constexpr Ink InkFor(TextColour colour, bool highContrast) {
  switch (colour) {
    case TextColour::Purple:
      if (!highContrast) return Rgb{128, 0, 128};
      break;
    case TextColour::Blue:
      return highContrast ? Ink{SystemColour::HotLight} : Ink{Rgb{0, 0, 255}};
    case TextColour::System:
      break;
  }
  return SystemColour::WindowText;
}

struct ControlLayout {
  int id;
  ControlKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips, from the client area's top-left corner
  // For a control that never takes the focus: the control it is created
  // right before, so that a screen reader reads it first, and names a text
  // box after the caption that precedes it.
  int readBefore = 0;
  int font = 0;  // index into the window's fonts; 0 is its default font
  bool centred = false;
  bool sizesToText = false;  // grows to the right from its left edge
  bool disabled = false;
  TextColour colour = TextColour::System;
  Pointer pointer = Pointer::Arrow;
};

constexpr bool ShowsText(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Link;
}

// Never defined: a call made while a layout is checked at compile time is
// the compiler's error message.
void AControlIsNotCreatedExactlyOnce();

struct WindowLayout {
  // Made at compile time only, and refused there unless every control is
  // created exactly once: a label read before nothing in the Tab order
  // would otherwise be missing from the window without a word.
  consteval WindowLayout(std::string_view caption, int clientWidth, int clientHeight,
                         std::span<const FontSpec> fonts, std::span<const ControlLayout> controls,
                         std::span<const int> tabOrder)
      : caption(caption),
        clientWidth(clientWidth),
        clientHeight(clientHeight),
        fonts(fonts),
        controls(controls),
        tabOrder(tabOrder) {
    for (const auto& control : controls) {
      if (std::ranges::count(controls, control.id, &ControlLayout::id) != 1 ||
          TimesCreated(control.id, controls.size()) != 1) {
        AControlIsNotCreatedExactlyOnce();
      }
    }
  }

  std::string_view caption;
  int clientWidth, clientHeight;  // twips
  std::span<const FontSpec> fonts;
  std::span<const ControlLayout> controls;
  // The controls that take the focus, in the order that Tab visits them.
  std::span<const int> tabOrder;

  const ControlLayout* Find(int id) const {
    const auto found = std::ranges::find(controls, id, &ControlLayout::id);
    return found != controls.end() ? &*found : nullptr;
  }

  // The order to create the controls in, which is the order of Tab, of a
  // screen reader and of the z-order from front to back: the controls that
  // take the focus in tab order, each preceded by the labels read before it.
  std::vector<const ControlLayout*> InCreationOrder() const {
    std::vector<const ControlLayout*> ordered;
    for (const int id : tabOrder) AppendReadFirst(id, ordered);
    return ordered;
  }

 private:
  // How often AppendReadFirst reaches id; depth stops a cycle of readBefore.
  constexpr std::ptrdiff_t TimesCreated(int id, std::size_t depth) const {
    std::ptrdiff_t times = std::ranges::count(tabOrder, id);
    for (const auto& control : controls) {
      if (control.id == id && control.readBefore != 0 && depth > 0) {
        times += TimesCreated(control.readBefore, depth - 1);
      }
    }
    return times;
  }

  void AppendReadFirst(int id, std::vector<const ControlLayout*>& ordered) const {
    for (const auto& control : controls) {
      if (control.readBefore == id) AppendReadFirst(control.id, ordered);
    }
    if (const ControlLayout* control = Find(id)) ordered.push_back(control);
  }
};

}  // namespace ilvorande
