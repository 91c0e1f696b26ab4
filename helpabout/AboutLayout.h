// The About window's design-time state, for the Win32 window and the
// end-to-end tests alike.
#pragma once

#include <array>
#include <string_view>

namespace ilvorande {

inline constexpr std::string_view AboutWindowClassName = "IlvorandeAbout";
inline constexpr std::string_view AboutWindowCaption = "A Propos...";
inline constexpr int AboutClientWidthTwips = 6420;
inline constexpr int AboutClientHeightTwips = 7125;

inline constexpr std::string_view AuthorWebPage = "http://ilvorande.example";
inline constexpr std::string_view AuthorEmail = "auteur@ilvorande.example";
inline constexpr std::string_view DistributionStatement =
    "Aucun droit particulier n'est réservé : ce programme peut circuler librement et "
    "gratuitement !";

// Label1 occupies AboutLabel1IdBase + index.
enum AboutControlId : int {
  AboutLabel1IdBase = 300,
  AboutIdImage1 = 310,
  AboutIdLabel2,
  AboutIdCommand2,
};
constexpr int AboutLabel1Id(int index) {
  return AboutLabel1IdBase + index;
}

enum class AboutKind { Label, Picture, Button };
enum class AboutFont { Default, Title, Version, WebLink, Statement, MailLink };
enum class AboutColour { Default, Purple, Blue };
enum class AboutPointer { Arrow, Link, Mail };

struct AboutControlLayout {
  int id;
  AboutKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips, relative to the client area
  int tabIndex;
  AboutFont font;
  AboutColour colour;
  bool centred;
  bool autoSize;
  AboutPointer pointer;
};

inline constexpr std::array<AboutControlLayout, 7> AboutControls{{
    {AboutLabel1Id(0), AboutKind::Label, "Ilvorande", 120, 600, 6135, 855, 0, AboutFont::Title,
     AboutColour::Purple, true, false, AboutPointer::Arrow},
    {AboutLabel1Id(3), AboutKind::Label, "Version 2", 1455, 2055, 3420, 435, 4, AboutFont::Version,
     AboutColour::Purple, true, false, AboutPointer::Arrow},
    {AboutIdImage1, AboutKind::Picture, "", 2910, 2625, 555, 510, 6, AboutFont::Default,
     AboutColour::Default, false, true, AboutPointer::Arrow},
    {AboutLabel1Id(2), AboutKind::Label, AuthorWebPage, 45, 3720, 6435, 1380, 3, AboutFont::WebLink,
     AboutColour::Blue, true, false, AboutPointer::Link},
    {AboutLabel1Id(1), AboutKind::Label, DistributionStatement, 120, 4380, 6135, 870, 1,
     AboutFont::Statement, AboutColour::Default, true, false, AboutPointer::Arrow},
    {AboutIdLabel2, AboutKind::Label, "Envoyer un coucou à l'auteur...", 1620, 5550, 3120, 270, 2,
     AboutFont::MailLink, AboutColour::Blue, false, true, AboutPointer::Mail},
    {AboutIdCommand2, AboutKind::Button, "&Retour", 1800, 5985, 2610, 720, 5, AboutFont::Default,
     AboutColour::Default, false, false, AboutPointer::Arrow},
}};

}  // namespace ilvorande
