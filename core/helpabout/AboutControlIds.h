// Identifiers of the About window and its controls, shared by the program
// and the tests that drive it.
#pragma once

namespace ilvorande {

inline constexpr const char* AboutWindowClassName = "IlvorandeAbout";

enum class AboutControl : int {
  Title = 300,
  Statement,
  WebAddress,
  Version,
  Picture = 310,
  MailLink,
  BackButton,
};

}  // namespace ilvorande
