// The main window's design-time state: one table that the Win32 window is
// built from and that the end-to-end tests check the real window against.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ilvorande {

inline constexpr std::string_view MainWindowClassName = "IlvorandeMain";
inline constexpr std::string_view MainWindowCaption = "Ilvorande";

inline constexpr int MainClientWidthTwips = 3900;
inline constexpr int MainClientHeightTwips = 7365;

// Control identifiers; the Change array occupies ChangeIdBase + index.
enum ControlId : int {
  ChangeIdBase = 100,
  IdCheck1 = 200,
  IdText1,
  IdText2,
  IdLabel1,
  IdLabel2,
  IdLabel3,
  IdLabel4First,
  IdLabel4Second,
  IdCommand1,
  IdCommand2,
  IdCommand3,
  IdCommand5,
};

inline constexpr int ChangeButtonCount = 10;
constexpr int ChangeId(int index) {
  return ChangeIdBase + index;
}

enum class ControlKind { Button, CheckBox, Edit, Label };

enum class FontChoice { Default, Large };

struct ControlLayout {
  int id;
  ControlKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips, relative to the client area
  int tabIndex;
  FontChoice font = FontChoice::Default;
  bool centred = false;
  bool autoSize = false;
  bool initiallyDisabled = false;
  bool picture = false;
};

// Rows in table order (top to bottom); creation order follows tabIndex.
inline constexpr std::array<ControlLayout, 22> MainControls{{
    {IdCheck1, ControlKind::CheckBox, "Créer un raccourci vers le bureau", 180, 30, 3465, 465, 21},
    {IdLabel4First, ControlKind::Label, "largeur", 435, 450, 540, 525, 18},
    {IdLabel4Second, ControlKind::Label, "hauteur", 1800, 450, 540, 525, 19},
    {IdText1, ControlKind::Edit, "", 180, 690, 1035, 315, 14, FontChoice::Default, true},
    {IdLabel3, ControlKind::Label, "X", 1290, 660, 405, 405, 15, FontChoice::Large},
    {IdText2, ControlKind::Edit, "", 1530, 705, 1035, 315, 16, FontChoice::Default, true},
    {ChangeId(8), ControlKind::Button, "Autre...", 2670, 660, 960, 400, 17},
    {ChangeId(0), ControlKind::Button, "1600 x 1200", 180, 1065, 3450, 400, 0},
    {ChangeId(1), ControlKind::Button, "1400 x 1050", 180, 1470, 3450, 400, 5},
    {ChangeId(7), ControlKind::Button, "1280 x 1024", 180, 1875, 3450, 400, 13},
    {ChangeId(2), ControlKind::Button, "1280 x 960", 180, 2280, 3450, 400, 6},
    {ChangeId(9), ControlKind::Button, "1280 x 800", 180, 2685, 3450, 400, 20},
    {ChangeId(3), ControlKind::Button, "1152 x 864", 180, 3090, 3450, 400, 7},
    {ChangeId(4), ControlKind::Button, "1024 x 768", 180, 3495, 3450, 400, 8},
    {ChangeId(5), ControlKind::Button, "800 x 600", 180, 3900, 3450, 400, 9},
    {ChangeId(6), ControlKind::Button, "640 x 480", 180, 4305, 3450, 400, 10},
    {IdLabel2, ControlKind::Label, "Ilvorande actuel", 330, 4950, 1155, 195, 3, FontChoice::Default,
     false, true},
    {IdLabel1, ControlKind::Label, "", 1590, 4950, 45, 195, 2, FontChoice::Default, false, true},
    {IdCommand5, ControlKind::Button, "Restaurer", 180, 5325, 3450, 400, 4, FontChoice::Default,
     false, false, true},
    {IdCommand1, ControlKind::Button, "Info Ligne de commande", 180, 5775, 1455, 495, 11},
    {IdCommand2, ControlKind::Button, "A Propos", 2175, 5775, 1455, 495, 12},
    {IdCommand3, ControlKind::Button, "Quitter", 180, 6315, 3450, 855, 1, FontChoice::Default,
     false, false, false, true},
}};

inline constexpr std::string_view Check1Tooltip =
    "Si cette case est active, d'appuyer sur un bouton ira créer un raccourci permettant d'un clic "
    "d'accéder à cette configuration.";

// Twips to pixels at a given dpi, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + 720) / 1440;
}

}  // namespace ilvorande
