// What the About window's behaviour does to the window.
#pragma once

#include <string_view>

#include "core/helpabout/AboutControlIds.h"
#include "core/toolkit/Shell.h"

namespace ilvorande {

class AboutView {
 public:
  virtual ~AboutView() = default;
  // The main window's icon as this window's icon and as its picture.
  virtual void ShowProgramIcon() = 0;
  virtual void SetText(AboutControl control, std::string_view text) = 0;
  virtual void Close() = 0;
  virtual WindowHandle Handle() = 0;
};

}  // namespace ilvorande
