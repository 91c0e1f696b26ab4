// The About window's design: its texts, fonts and controls.
#pragma once

#include <array>
#include <string_view>

#include "core/helpabout/AboutControlIds.h"
#include "core/toolkit/Layout.h"

namespace ilvorande {

inline constexpr std::string_view AuthorWebPage = "http://ilvorande.example";
inline constexpr std::string_view AuthorEmail = "auteur@ilvorande.example";

namespace about_layout {

enum Font { Default, Title, Version, WebLink, Statement, MailLink };

inline constexpr std::array<FontSpec, 6> Fonts{{
    {"MS Sans Serif", 825},
    {"Comic Sans MS", 2025},
    {"Comic Sans MS", 1425},
    {"Arial", 1425, true},
    {"Comic Sans MS", 1200},
    {"Arial", 1200, true},
}};

constexpr int Id(AboutControl control) {
  return static_cast<int>(control);
}

// Read from the top, but Tab goes to the back button first: the title, the
// version and the picture are read before it. The statement is read before
// the web address and so lies in front of it where the two overlap, which
// keeps both texts readable.
inline constexpr std::array<ControlLayout, 7> Controls{{
    {.id = Id(AboutControl::Title),
     .kind = ControlKind::Label,
     .caption = "Ilvorande",
     .left = 120,
     .top = 600,
     .width = 6135,
     .height = 855,
     .readBefore = Id(AboutControl::Version),
     .font = Title,
     .centred = true,
     .colour = TextColour::Purple},
    {.id = Id(AboutControl::Version),
     .kind = ControlKind::Label,
     .caption = "",
     .left = 1455,
     .top = 2055,
     .width = 3420,
     .height = 435,
     .readBefore = Id(AboutControl::Picture),
     .font = Version,
     .centred = true,
     .colour = TextColour::Purple},
    {.id = Id(AboutControl::Picture),
     .kind = ControlKind::Picture,
     .caption = "",
     .left = 2910,
     .top = 2625,
     .width = 555,
     .height = 510,
     .readBefore = Id(AboutControl::BackButton)},
    {.id = Id(AboutControl::WebAddress),
     .kind = ControlKind::Link,
     .caption = AuthorWebPage,
     .left = 45,
     .top = 3720,
     .width = 6435,
     .height = 1380,
     .font = WebLink,
     .centred = true,
     .colour = TextColour::Blue,
     .pointer = Pointer::WebLink},
    {.id = Id(AboutControl::Statement),
     .kind = ControlKind::Label,
     .caption = "Aucun droit particulier n'est réservé : ce programme peut circuler librement "
                "et gratuitement !",
     .left = 120,
     .top = 4380,
     .width = 6135,
     .height = 870,
     .readBefore = Id(AboutControl::WebAddress),
     .font = Statement,
     .centred = true},
    {.id = Id(AboutControl::MailLink),
     .kind = ControlKind::Link,
     .caption = "Envoyer un coucou à l'auteur...",
     .left = 1620,
     .top = 5550,
     .width = 3120,
     .height = 270,
     .font = MailLink,
     .sizesToText = true,
     .colour = TextColour::Blue,
     .pointer = Pointer::MailLink},
    {.id = Id(AboutControl::BackButton),
     .kind = ControlKind::Button,
     .caption = "&Retour",
     .left = 1800,
     .top = 5985,
     .width = 2610,
     .height = 720},
}};

// The links after the back button, in the order they are read.
inline constexpr std::array TabOrder{Id(AboutControl::BackButton), Id(AboutControl::WebAddress),
                                     Id(AboutControl::MailLink)};

}  // namespace about_layout

inline constexpr WindowLayout AboutLayout{
    "A Propos...", 6420, 7125, about_layout::Fonts, about_layout::Controls, about_layout::TabOrder};

}  // namespace ilvorande
