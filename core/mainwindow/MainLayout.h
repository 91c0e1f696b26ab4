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

// Tab places of the mode buttons, by index.
inline constexpr std::array<int, ModeButtonCount> ModeButtonTabPlaces{0, 5,  6,  7,  8,
                                                                      9, 10, 13, 17, 20};

inline constexpr std::array<ControlLayout, 13> FixedControls{{
    {.id = Id(MainControl::ShortcutOption),
     .kind = ControlKind::CheckBox,
     .caption = "Créer un raccourci vers le bureau",
     .left = 180,
     .top = 30,
     .width = 3465,
     .height = 465,
     .tabPlace = 21},
    // The captions reach down behind the boxes, whose tops cover their lower part.
    {.id = Id(MainControl::WidthCaption),
     .kind = ControlKind::Label,
     .caption = "largeur",
     .left = 435,
     .top = 450,
     .width = 540,
     .height = 525,
     .tabPlace = 18},
    {.id = Id(MainControl::HeightCaption),
     .kind = ControlKind::Label,
     .caption = "hauteur",
     .left = 1800,
     .top = 450,
     .width = 540,
     .height = 525,
     .tabPlace = 19},
    {.id = Id(MainControl::WidthBox),
     .kind = ControlKind::Edit,
     .caption = "",
     .left = 180,
     .top = 690,
     .width = 1035,
     .height = 315,
     .tabPlace = 14,
     .centred = true},
    {.id = Id(MainControl::TimesSign),
     .kind = ControlKind::Label,
     .caption = "X",
     .left = 1290,
     .top = 660,
     .width = 405,
     .height = 405,
     .tabPlace = 15,
     .font = Large},
    {.id = Id(MainControl::HeightBox),
     .kind = ControlKind::Edit,
     .caption = "",
     .left = 1530,
     .top = 705,
     .width = 1035,
     .height = 315,
     .tabPlace = 16,
     .centred = true},
    {.id = Id(ModeButton(CustomModeIndex)),
     .kind = ControlKind::Button,
     .caption = "Autre...",
     .left = 2670,
     .top = 660,
     .width = 960,
     .height = 400,
     .tabPlace = ModeButtonTabPlaces[CustomModeIndex]},
    {.id = Id(MainControl::ModeInForceCaption),
     .kind = ControlKind::Label,
     .caption = "Ilvorande actuel",
     .left = 330,
     .top = ColumnBottom + 240,
     .width = 1155,
     .height = 195,
     .tabPlace = 3,
     .sizesToText = true},
    {.id = Id(MainControl::ModeInForce),
     .kind = ControlKind::Label,
     .caption = "",
     .left = 1590,
     .top = ColumnBottom + 240,
     .width = 45,
     .height = 195,
     .tabPlace = 2,
     .sizesToText = true},
    {.id = Id(MainControl::RestoreButton),
     .kind = ControlKind::Button,
     .caption = "Restaurer",
     .left = ColumnLeft,
     .top = ColumnBottom + 615,
     .width = ColumnWidth,
     .height = 400,
     .tabPlace = 4,
     .disabled = true},
    {.id = Id(MainControl::HelpButton),
     .kind = ControlKind::Button,
     .caption = "Info Ligne de commande",
     .left = 180,
     .top = ColumnBottom + 1065,
     .width = 1455,
     .height = 495,
     .tabPlace = 11},
    {.id = Id(MainControl::AboutButton),
     .kind = ControlKind::Button,
     .caption = "A Propos",
     .left = 2175,
     .top = ColumnBottom + 1065,
     .width = 1455,
     .height = 495,
     .tabPlace = 12},
    // Twice as high as a mode button and more, for its picture.
    {.id = Id(MainControl::QuitButton),
     .kind = ControlKind::Button,
     .caption = "Quitter",
     .left = ColumnLeft,
     .top = ColumnBottom + 1605,
     .width = ColumnWidth,
     .height = 855,
     .tabPlace = 1},
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
                        .height = ModeButtonHeight,
                        .tabPlace = ModeButtonTabPlaces[preset.index]};
    top += RowStep;
  }
  return controls;
}

inline constexpr auto Controls = AllControls();

}  // namespace main_layout

inline constexpr WindowLayout MainLayout{"Ilvorande", 3900, main_layout::ColumnBottom + 2655,
                                         main_layout::Fonts, main_layout::Controls};

}  // namespace ilvorande
