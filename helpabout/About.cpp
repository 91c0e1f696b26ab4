#include "helpabout/About.h"

#include "helpabout/AboutLayout.h"

namespace ilvorande {

namespace {

constexpr std::int16_t WebAddressLabelIndex = 2;
constexpr std::int16_t VersionLabelIndex = 3;
constexpr int SW_SHOWNORMAL = 1;

}  // namespace

void About::Form_Load() {
  view_.SetIconToMainWindowIcon();
  view_.SetImage1ToMainWindowIcon();
  const AppVersion version = toolkit_.AppVersionNumbers();
  view_.SetText(AboutLabel1Id(VersionLabelIndex),
                " V" + std::to_string(version.major) + "." + std::to_string(version.minor));
}

void About::Command2_Click() {
  view_.Unload();
}

void About::Image1_Click() {
  OpenWebPage();
}

void About::Label1_Click(std::int16_t Index) {
  if (Index == WebAddressLabelIndex) OpenWebPage();
}

void About::OpenWebPage() {
  shell_.ShellExecuteA(view_.Handle(), "open", std::string(AuthorWebPage) + "/", "",
                       toolkit_.AppPath(), SW_SHOWNORMAL);
}

// The blank of the subject stays a blank: escaping is the mail program's business.
void About::Label2_Click() {
  const AppVersion version = toolkit_.AppVersionNumbers();
  const std::string mail = "mailto:" + std::string(AuthorEmail) +
                           "?subject=" + toolkit_.AppExeName() + " V" +
                           std::to_string(version.major) + "." + std::to_string(version.minor) +
                           "." + std::to_string(version.revision);
  shell_.ShellExecuteA(view_.Handle(), "Open", mail, "", toolkit_.AppPath(), SW_SHOWNORMAL);
}

}  // namespace ilvorande
