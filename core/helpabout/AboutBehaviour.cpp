#include "core/helpabout/AboutBehaviour.h"

#include <string>

#include "core/helpabout/AboutLayout.h"

namespace ilvorande {

void AboutBehaviour::Load() {
  view_.ShowProgramIcon();
  const AppVersion version = toolkit_.Version();
  view_.SetText(AboutControl::Version,
                " V" + std::to_string(version.major) + "." + std::to_string(version.minor));
}

void AboutBehaviour::Clicked(AboutControl control) {
  switch (control) {
    case AboutControl::Picture:
    case AboutControl::WebAddress:
      OpenWebPage();
      break;
    case AboutControl::MailLink:
      OpenMail();
      break;
    case AboutControl::BackButton:
      view_.Close();
      break;
    default:
      break;
  }
}

void AboutBehaviour::OpenWebPage() {
  shell_.OpenWebPage(view_.Handle(), std::string(AuthorWebPage) + "/", toolkit_.AppFolder());
}

// The blank of the subject stays a blank: escaping is the mail program's business.
void AboutBehaviour::OpenMail() {
  const AppVersion version = toolkit_.Version();
  const std::string mail = "mailto:" + std::string(AuthorEmail) +
                           "?subject=" + toolkit_.AppBaseName() + " V" +
                           std::to_string(version.major) + "." + std::to_string(version.minor) +
                           "." + std::to_string(version.revision);
  shell_.WriteMail(view_.Handle(), mail, toolkit_.AppFolder());
}

}  // namespace ilvorande
