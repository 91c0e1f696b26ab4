// The About window's behaviour: its version line and its two links.
#pragma once

#include <cstdint>
#include <string>

#include "helpabout/AboutView.h"
#include "shortcuts/ShellPlatform.h"
#include "toolkit/Toolkit.h"

namespace ilvorande {

class About {
 public:
  About(AboutView& view, Toolkit& toolkit, ShellPlatform& shell)
      : view_(view), toolkit_(toolkit), shell_(shell) {}

  void Form_Load();
  void Command2_Click();
  void Image1_Click();
  void Label1_Click(std::int16_t Index);
  void Label2_Click();

 private:
  void OpenWebPage();

  AboutView& view_;
  Toolkit& toolkit_;
  ShellPlatform& shell_;
};

}  // namespace ilvorande
