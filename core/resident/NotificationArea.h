// The program's icon in the notification area, while the main window exists.
#pragma once

#include <string_view>
#include <vector>

#include "core/resident/ResidentMenu.h"

namespace ilvorande {

class NotificationArea {
 public:
  virtual ~NotificationArea() = default;

  // Adds the icon with that tooltip, or gives the icon there the tooltip.
  virtual void Show(std::string_view tip) = 0;
  virtual void Remove() = 0;
  // Opens the menu where the system placed the user's last click or key on
  // the icon; the item chosen reaches the main window as a command.
  virtual void OpenMenu(const std::vector<MenuEntry>& entries) = 0;
};

}  // namespace ilvorande
