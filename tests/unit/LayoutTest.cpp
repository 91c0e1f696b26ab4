// The windows' design in twips and fonts, as drawn for them, and twips to
// pixels at the scales that Windows offers.
#include <gtest/gtest.h>

#include <tuple>

#include "core/helpabout/AboutLayout.h"
#include "core/mainwindow/MainLayout.h"

namespace ilvorande {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtEveryScale) {
  const int cases[][3] = {
      // twips, dpi, pixels
      {15, 96, 1},      {7, 96, 0},  {8, 96, 1},  {6420, 96, 428},   // 100 %
      {1440, 120, 120}, {5, 120, 0}, {6, 120, 1}, {6420, 120, 535},  // 125 %
      {1440, 144, 144}, {4, 144, 0}, {5, 144, 1}, {6420, 144, 642},  // 150 %
      {1440, 192, 192}, {3, 192, 0}, {4, 192, 1}, {6420, 192, 856},  // 200 %
  };
  for (const auto& [twips, dpi, pixels] : cases) {
    EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " twips at " << dpi;
  }
}

constexpr FontSpec Sans{"MS Sans Serif", 825};
// clang-format off
struct Row { int id; ControlKind kind; std::string_view caption; int left, top, width, height; FontSpec font = Sans; };
// clang-format on

void ExpectDesign(const WindowLayout& layout, std::string_view caption, int width, int height,
                  const std::vector<Row>& rows) {
  EXPECT_EQ(std::tuple(layout.caption, layout.clientWidth, layout.clientHeight),
            std::tuple(caption, width, height));
  EXPECT_EQ(layout.controls.size(), rows.size());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    const ControlLayout* control = layout.Find(row.id);
    ASSERT_NE(control, nullptr);
    const FontSpec& font = layout.fonts[static_cast<std::size_t>(control->font)];
    EXPECT_EQ(
        std::tuple(control->kind, control->caption, control->left, control->top, control->width,
                   control->height, font.face, font.centipoints, font.underline),
        std::tuple(row.kind, row.caption, row.left, row.top, row.width, row.height, row.font.face,
                   row.font.centipoints, row.font.underline));
  }
}

constexpr int Id(auto control) {
  return static_cast<int>(control);
}

TEST(Layout, EveryControlStandsWhereTheDesignPutsItInTwips) {
  using enum MainControl;
  using enum ControlKind;
  // clang-format off
  const std::vector<Row> main{
      {Id(ShortcutOption), CheckBox, "Créer un raccourci vers le bureau", 180, 30, 3465, 465},
      {Id(WidthCaption), Label, "largeur", 435, 450, 540, 240},
      {Id(HeightCaption), Label, "hauteur", 1800, 450, 540, 255},
      {Id(WidthBox), Edit, "", 180, 690, 1035, 315},
      {Id(TimesSign), Label, "X", 1290, 660, 240, 405, {"MS Sans Serif", 1350}},
      {Id(HeightBox), Edit, "", 1530, 705, 1035, 315},
      {Id(ModeButton(8)), Button, "Autre...", 2670, 660, 960, 400},
      {Id(ModeButton(0)), Button, "", 180, 1065, 3450, 400},
      {Id(ModeButton(1)), Button, "", 180, 1470, 3450, 400},
      {Id(ModeButton(7)), Button, "", 180, 1875, 3450, 400},
      {Id(ModeButton(2)), Button, "", 180, 2280, 3450, 400},
      {Id(ModeButton(9)), Button, "", 180, 2685, 3450, 400},
      {Id(ModeButton(3)), Button, "", 180, 3090, 3450, 400},
      {Id(ModeButton(4)), Button, "", 180, 3495, 3450, 400},
      {Id(ModeButton(5)), Button, "", 180, 3900, 3450, 400},
      {Id(ModeButton(6)), Button, "", 180, 4305, 3450, 400},
      {Id(ModeInForceCaption), Label, "Ilvorande actuel", 330, 4950, 1155, 195},
      {Id(ModeInForce), Label, "", 1590, 4950, 45, 195},
      {Id(RestoreButton), Button, "Restaurer", 180, 5325, 3450, 400},
      {Id(HelpButton), Button, "Info Ligne de commande", 180, 5775, 1455, 495},
      {Id(AboutButton), Button, "A Propos", 2175, 5775, 1455, 495},
      {Id(QuitButton), Button, "Quitter", 180, 6315, 3450, 855},
  };
  // clang-format on
  ExpectDesign(MainLayout, "Ilvorande", 3900, 7365, main);

  // With two screens or more, the chooser's row above the same window.
  std::vector<Row> withScreens{
      {Id(ScreenChooserCaption), Label, "écran", 180, 90, 540, 195},
      {Id(ScreenChooser), DropDownList, "", 735, 30, 2895, 1800},
  };
  for (Row row : main) withScreens.push_back((row.top += 420, row));
  ExpectDesign(MainLayoutWithScreens, "Ilvorande", 3900, 7785, withScreens);

  using About = AboutControl;
  const FontSpec Comic20{"Comic Sans MS", 2025}, Comic14{"Comic Sans MS", 1425},
      Comic12{"Comic Sans MS", 1200}, Arial14{"Arial", 1425, true}, Arial12{"Arial", 1200, true};
  // clang-format off
  ExpectDesign(AboutLayout, "A Propos...", 6420, 7125, {
      {Id(About::Title), Label, "Ilvorande", 120, 600, 6135, 855, Comic20},
      {Id(About::Version), Label, "", 1455, 2055, 3420, 435, Comic14},
      {Id(About::Picture), ControlKind::Picture, "", 2910, 2625, 555, 510},
      {Id(About::WebAddress), Link, "http://ilvorande.example", 45, 3720, 6435, 1380, Arial14},
      {Id(About::Statement), Label, "Aucun droit particulier n'est réservé : ce programme peut circuler librement et gratuitement !", 120, 4380, 6135, 870, Comic12},
      {Id(About::MailLink), Link, "Envoyer un coucou à l'auteur...", 1620, 5550, 3120, 270, Arial12},
      {Id(About::BackButton), Button, "&Retour", 1800, 5985, 2610, 720}});
  // clang-format on
}

}  // namespace
}  // namespace ilvorande
