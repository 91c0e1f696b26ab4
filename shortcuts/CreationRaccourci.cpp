#include "shortcuts/CreationRaccourci.h"

namespace ilvorande {

namespace {

// The program's window is never meant to show from a link ("/nF"), so the
// link asks for no activation.
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int LinkIconIndex = 0;

std::string JoinPath(const std::string& folder, const std::string& name) {
  // A drive's root comes with its separator already ("C:\").
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

// Built from folder, base name and ".exe", whatever the running file's extension.
std::string ExecutablePath(Toolkit& toolkit) {
  return JoinPath(toolkit.AppPath(), toolkit.AppExeName() + ".exe");
}

}  // namespace

void MakeDesktopShortcut(ShellPlatform& shell, Toolkit& toolkit, std::int16_t index,
                         const std::string& label) {
  // Without the desktop there is nowhere sensible to write: a bare name would
  // land in whatever folder happens to be current.
  const auto desktop = shell.DesktopFolder();
  if (!desktop) return;
  const std::string arguments = "/" + std::to_string(index) + "F";
  const auto link = shell.CreateShortcut(JoinPath(*desktop, "Ilvorande en " + label + ".lnk"));
  if (!link) return;

  if (const auto target = shell.ExpandEnvironmentStrings(ExecutablePath(toolkit))) {
    link->SetTargetPath(*target);
  }
  link->SetArguments(arguments);
  if (const auto folder = shell.ExpandEnvironmentStrings(toolkit.AppPath())) {
    link->SetWorkingDirectory(*folder);
  }
  link->SetWindowStyle(SW_SHOWNOACTIVATE);
  link->SetDescription("Ilvorande en " + label);
  if (const auto icon = shell.ExpandEnvironmentStrings(ExecutablePath(toolkit))) {
    link->SetIconLocation(*icon, LinkIconIndex);
  }
  link->Save();
}

}  // namespace ilvorande
