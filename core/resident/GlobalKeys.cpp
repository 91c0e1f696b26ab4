#include "core/resident/GlobalKeys.h"

namespace ilvorande {

// "Maj" is the French keyboard's name of Shift.
std::string KeyLabel(const GlobalKey& key) {
  std::string label = "Ctrl+Alt+Maj+";
  label += static_cast<char>(key.virtualKey);
  return label;
}

}  // namespace ilvorande
