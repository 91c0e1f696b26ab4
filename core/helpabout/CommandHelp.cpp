#include "core/helpabout/CommandHelp.h"

#include <array>
#include <string_view>

#include "core/display/ModePresets.h"

namespace ilvorande {

namespace {

constexpr std::string_view HelpTitle = "Ilvorande";
constexpr std::string_view LineEnd = "\r\n";

// The quotation marks are doubled apostrophes, which the command line skips
// when it meets them at the end ("/4F''").
constexpr std::string_view Introduction = " Ajoutez derrière ''...\\ilvorande.exe ''(un espace et)";
constexpr std::array<std::string_view, 2> Suffixes{{
    "Ajoutez M pour que le programme soit présent mais diminué dans la barre des tâches",
    "Ajoutez F pour que le programme s'arrête de lui même.",
}};
constexpr std::string_view ScreenChoice =
    "Ajoutez @2 derrière le chiffre pour que le programme change l'écran 2 : /4@2F";
constexpr std::array<std::string_view, 4> Example{{
    "Exemple: ''c:\\windows\\ilvorande.exe /4F'' et l'ilvorande passera en 1024 x 768, ",
    "le programme s'arretera de lui même ensuite.",
    "",
    "L'équipe Ilvorande, 2026",
}};

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += LineEnd;
}

}  // namespace

std::string CommandHelpText(bool severalScreens) {
  std::string text = std::string(Introduction) + std::string(LineEnd);
  // Largest mode first; the custom mode has no line.
  for (const auto& preset : ModePresets) {
    text += "/" + std::to_string(preset.index) + " pour  " + PresetCaption(preset);
    text += LineEnd;
  }
  for (const auto line : Suffixes) AppendLine(text, line);
  if (severalScreens) AppendLine(text, ScreenChoice);
  for (const auto line : Example) AppendLine(text, line);
  return text;
}

void ShowCommandHelp(Toolkit& toolkit, bool severalScreens) {
  toolkit.ShowMessage(CommandHelpText(severalScreens), MessageStyle::OkWithInformationIcon,
                      HelpTitle);
}

}  // namespace ilvorande
