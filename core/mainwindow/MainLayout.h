// The main window's design: its fonts and controls. The column of mode
// buttons follows the preset table, and what stands below it moves with it.
#pragma once

#include <array>

#include "core/display/ModePresets.h"
#include "core/mainwindow/MainControlIds.h"
#include "core/toolkit/Layout.h"

namespace ilvorande {

inline constexpr std::string_view ShortcutOptionTooltip =
    "Si cette case est active, d'appuyer sur un bouton ira créer un raccourci permettant d'un clic "
    "d'accéder à cette configuration.";

// Read before the screen chooser, which shows only with two or more screens.
inline constexpr std::string_view ScreenChooserCaption = "écran";

namespace main_layout {

enum Font { Default, Large };

inline constexpr std::array<FontSpec, 2> Fonts{{
    {"MS Sans Serif", 825},
    {"MS Sans Serif", 1350},
}};

constexpr int Id(MainControl control) {
  return static_cast<int>(control);
}

inline constexpr int ColumnLeft = 180;
inline constexpr int ColumnWidth = 3450;
inline constexpr int ColumnTop = 1065;
inline constexpr int ModeButtonHeight = 400;
inline constexpr int RowStep = 405;
inline constexpr int ColumnBottom = ColumnTop + RowStep * static_cast<int>(ModePresets.size());

// The row of the typed-in mode: the captions above the boxes and the sign
// between them stop where the boxes begin, so that none covers a box.
inline constexpr int CaptionTop = 450;
inline constexpr int WidthBoxTop = 690;
inline constexpr int HeightBoxTop = 705;
inline constexpr int HeightBoxLeft = 1530;
inline constexpr int TimesSignLeft = 1290;

// Not the order of the places on screen: the first presets, "Quitter" and
// "Restaurer" come first.
inline constexpr std::array TabOrder{Id(ModeButton(0)),
                                     Id(MainControl::QuitButton),
                                     Id(MainControl::RestoreButton),
                                     Id(ModeButton(1)),
                                     Id(ModeButton(2)),
                                     Id(ModeButton(3)),
                                     Id(ModeButton(4)),
                                     Id(ModeButton(5)),
                                     Id(ModeButton(6)),
                                     Id(MainControl::HelpButton),
                                     Id(MainControl::AboutButton),
                                     Id(ModeButton(7)),
                                     Id(MainControl::WidthBox),
                                     Id(MainControl::HeightBox),
                                     Id(ModeButton(CustomModeIndex)),
                                     Id(ModeButton(9)),
                                     Id(MainControl::ShortcutOption)};

inline constexpr std::array<ControlLayout, 13> FixedControls{{
    {.id = Id(MainControl::ShortcutOption),
     .kind = ControlKind::CheckBox,
     .caption = "Créer un raccourci vers le bureau",
     .left = 180,
     .top = 30,
     .width = 3465,
     .height = 465},
    // Each caption names the box that it is read before.
    {.id = Id(MainControl::WidthCaption),
     .kind = ControlKind::Label,
     .caption = "largeur",
     .left = 435,
     .top = CaptionTop,
     .width = 540,
     .height = WidthBoxTop - CaptionTop,
     .readBefore = Id(MainControl::WidthBox)},
    {.id = Id(MainControl::HeightCaption),
     .kind = ControlKind::Label,
     .caption = "hauteur",
     .left = 1800,
     .top = CaptionTop,
     .width = 540,
     .height = HeightBoxTop - CaptionTop,
     .readBefore = Id(MainControl::HeightBox)},
    {.id = Id(MainControl::WidthBox),
     .kind = ControlKind::Edit,
     .caption = "",
     .left = 180,
     .top = WidthBoxTop,
     .width = 1035,
     .height = 315,
     .centred = true},
    // Read between the boxes, before the height's caption, so that it names neither.
    {.id = Id(MainControl::TimesSign),
     .kind = ControlKind::Label,
     .caption = "X",
     .left = TimesSignLeft,
     .top = 660,
     .width = HeightBoxLeft - TimesSignLeft,
     .height = 405,
     .readBefore = Id(MainControl::HeightCaption),
     .font = Large},
    {.id = Id(MainControl::HeightBox),
     .kind = ControlKind::Edit,
     .caption = "",
     .left = HeightBoxLeft,
     .top = HeightBoxTop,
     .width = 1035,
     .height = 315,
     .centred = true},
    {.id = Id(ModeButton(CustomModeIndex)),
     .kind = ControlKind::Button,
     .caption = "Autre...",
     .left = 2670,
     .top = 660,
     .width = 960,
     .height = 400},
    {.id = Id(MainControl::ModeInForceCaption),
     .kind = ControlKind::Label,
     .caption = "Ilvorande actuel",
     .left = 330,
     .top = ColumnBottom + 240,
     .width = 1155,
     .height = 195,
     .readBefore = Id(MainControl::ModeInForce),
     .sizesToText = true},
    {.id = Id(MainControl::ModeInForce),
     .kind = ControlKind::Label,
     .caption = "",
     .left = 1590,
     .top = ColumnBottom + 240,
     .width = 45,
     .height = 195,
     .readBefore = Id(MainControl::RestoreButton),
     .sizesToText = true},
    {.id = Id(MainControl::RestoreButton),
     .kind = ControlKind::Button,
     .caption = "Restaurer",
     .left = ColumnLeft,
     .top = ColumnBottom + 615,
     .width = ColumnWidth,
     .height = 400,
     .disabled = true},
    {.id = Id(MainControl::HelpButton),
     .kind = ControlKind::Button,
     .caption = "Info Ligne de commande",
     .left = 180,
     .top = ColumnBottom + 1065,
     .width = 1455,
     .height = 495},
    {.id = Id(MainControl::AboutButton),
     .kind = ControlKind::Button,
     .caption = "A Propos",
     .left = 2175,
     .top = ColumnBottom + 1065,
     .width = 1455,
     .height = 495},
    // Twice as high as a mode button and more, for its picture.
    {.id = Id(MainControl::QuitButton),
     .kind = ControlKind::Button,
     .caption = "Quitter",
     .left = ColumnLeft,
     .top = ColumnBottom + 1605,
     .width = ColumnWidth,
     .height = 855},
}};

// The mode buttons take their captions from the presets when the window loads.
constexpr std::array<ControlLayout, FixedControls.size() + ModePresets.size()> AllControls() {
  std::array<ControlLayout, FixedControls.size() + ModePresets.size()> controls{};
  std::size_t next = 0;
  for (const auto& control : FixedControls) controls[next++] = control;
  int top = ColumnTop;
  for (const auto& preset : ModePresets) {
    controls[next++] = {.id = Id(ModeButton(preset.index)),
                        .kind = ControlKind::Button,
                        .caption = "",
                        .left = ColumnLeft,
                        .top = top,
                        .width = ColumnWidth,
                        .height = ModeButtonHeight};
    top += RowStep;
  }
  return controls;
}

inline constexpr auto Controls = AllControls();
inline constexpr int ClientWidth = 3900;
inline constexpr int ClientHeight = ColumnBottom + 2655;

// With two screens or more, the screen chooser's row stands above the rest,
// which keeps its places relative to itself.
inline constexpr int ScreenRowHeight = 420;
inline constexpr int ScreenCaptionWidth = 540;
inline constexpr int ScreenChooserLeft = 735;
// A drop-down list's height is that of its open list.
inline constexpr int ScreenListHeight = 1800;

constexpr std::array<ControlLayout, Controls.size() + 2> WithScreenRow() {
  std::array<ControlLayout, Controls.size() + 2> controls{};
  controls[0] = {.id = Id(MainControl::ScreenChooserCaption),
                 .kind = ControlKind::Label,
                 .caption = ScreenChooserCaption,
                 .left = ColumnLeft,
                 .top = 90,
                 .width = ScreenCaptionWidth,
                 .height = 195,
                 .readBefore = Id(MainControl::ScreenChooser)};
  controls[1] = {.id = Id(MainControl::ScreenChooser),
                 .kind = ControlKind::DropDownList,
                 .caption = "",
                 .left = ScreenChooserLeft,
                 .top = 30,
                 .width = ColumnLeft + ColumnWidth - ScreenChooserLeft,
                 .height = ScreenListHeight};
  std::size_t next = 2;
  for (ControlLayout control : Controls) {
    control.top += ScreenRowHeight;
    controls[next++] = control;
  }
  return controls;
}

constexpr std::array<int, TabOrder.size() + 1> ScreenChooserFirst() {
  std::array<int, TabOrder.size() + 1> order{Id(MainControl::ScreenChooser)};
  std::ranges::copy(TabOrder, order.begin() + 1);
  return order;
}

inline constexpr auto ControlsWithScreens = WithScreenRow();
inline constexpr auto TabOrderWithScreens = ScreenChooserFirst();

}  // namespace main_layout

inline constexpr WindowLayout MainLayout{
    "Ilvorande",        main_layout::ClientWidth, main_layout::ClientHeight,
    main_layout::Fonts, main_layout::Controls,    main_layout::TabOrder};

// The same window while two screens or more are attached.
inline constexpr WindowLayout MainLayoutWithScreens{
    "Ilvorande",
    main_layout::ClientWidth,
    main_layout::ClientHeight + main_layout::ScreenRowHeight,
    main_layout::Fonts,
    main_layout::ControlsWithScreens,
    main_layout::TabOrderWithScreens};

}  // namespace ilvorande
