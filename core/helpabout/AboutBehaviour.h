// The About window's behaviour: its version line and its two links.
#pragma once

#include "core/helpabout/AboutView.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

class AboutBehaviour {
 public:
  AboutBehaviour(AboutView& view, Toolkit& toolkit, Shell& shell)
      : view_(view), toolkit_(toolkit), shell_(shell) {}

  // Runs at every opening, before the window shows.
  void Load();
  // The picture and the web address open the web page, the mail label a
  // mail to the author, the back button closes; the other labels do nothing.
  void Clicked(AboutControl control);

 private:
  void OpenWebPage();
  void OpenMail();

  AboutView& view_;
  Toolkit& toolkit_;
  Shell& shell_;
};

}  // namespace ilvorande
