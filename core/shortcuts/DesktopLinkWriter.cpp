#include "core/shortcuts/DesktopLinkWriter.h"

#include <string>

namespace ilvorande {

namespace {

constexpr std::string_view LinkNamePrefix = "Ilvorande en ";
constexpr std::string_view LinkScreenPrefix = " sur l'écran ";
constexpr std::string_view LinkExtension = ".lnk";
constexpr int ProgramIconIndex = 0;

std::string JoinPath(const std::string& folder, std::string_view name) {
  // A drive's root comes with its separator already ("C:\").
  if (!folder.empty() && folder.back() == '\\') return folder + std::string(name);
  return folder + "\\" + std::string(name);
}

}  // namespace

void WriteDesktopLink(Shell& shell, Toolkit& toolkit, const ModePreset& preset,
                      std::optional<int> otherScreen) {
  // Without the desktop there is nowhere sensible to write: a bare name would
  // land in whatever folder happens to be current.
  const auto desktop = shell.DesktopFolder();
  if (!desktop) return;
  std::string name = std::string(LinkNamePrefix) + PresetCaption(preset);
  std::string arguments = "/" + std::to_string(preset.index);
  if (otherScreen) {
    name += std::string(LinkScreenPrefix) + std::to_string(*otherScreen);
    arguments += "@" + std::to_string(*otherScreen);
  }
  const std::string folder = toolkit.AppFolder();
  // Built from folder, base name and ".exe", whatever the running file's extension.
  const auto program = shell.ExpandEnvironment(JoinPath(folder, toolkit.AppBaseName() + ".exe"));
  shell.WriteLink({
      .path = JoinPath(*desktop, name + std::string(LinkExtension)),
      .target = program,
      .arguments = arguments + "F",
      .workingFolder = shell.ExpandEnvironment(folder),
      .show = ShowCommand::NoActivate,
      .description = name,
      .iconFile = program,
      .iconIndex = ProgramIconIndex,
  });
}

}  // namespace ilvorande
