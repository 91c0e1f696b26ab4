#include "helpabout/CommandHelp.h"

#include <array>
#include <string_view>

#include "mainwindow/Ilvorande.h"
#include "toolkit/MessageBoxStyles.h"

namespace ilvorande {

namespace {

// The quotation marks are doubled apostrophes, which the command line skips
// when it meets them at the end ("/4F''").
constexpr std::array<std::string_view, 16> HelpLines{{
    " Ajoutez derrière ''...\\ilvorande.exe ''(un espace et)",
    "/0 pour  1600 x 1200",
    "/1 pour  1400 x 1050",
    "/7 pour  1280 x 1024",
    "/2 pour  1280 x 960",
    "/9 pour  1280 x 800",
    "/3 pour  1152 x 864",
    "/4 pour  1024 x 768",
    "/5 pour  800 x 600",
    "/6 pour  640 x 480",
    "Ajoutez M pour que le programme soit présent mais diminué dans la barre des tâches",
    "Ajoutez F pour que le programme s'arrête de lui même.",
    "Exemple: ''c:\\windows\\ilvorande.exe /4F'' et l'ilvorande passera en 1024 x 768, ",
    "le programme s'arretera de lui même ensuite.",
    "",
    "L'équipe Ilvorande, 2026",
}};

}  // namespace

std::string CommandHelpText() {
  std::string text;
  for (const auto line : HelpLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void Ilvorande::ShowCommandHelp() {
  toolkit_.MsgBox(CommandHelpText(), MB_OK | MB_ICONINFORMATION, CommandHelpTitle);
}

}  // namespace ilvorande
