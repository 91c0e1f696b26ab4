// A standard message box (#32770) of the program under test.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "driver/Wait.h"
#include "driver/Window.h"

namespace ilvorande::e2e {

enum class DialogIcon { None, Error, Warning, Question, Information, Unknown };

const char* ToString(DialogIcon icon);
inline void PrintTo(DialogIcon icon, std::ostream* out) {
  *out << ToString(icon);
}

class MessageDialog : public Window {
 public:
  explicit MessageDialog(const Window& window) : Window(window) {}

  std::wstring Title() const { return Text(); }
  std::wstring Message() const;
  // Ids of the visible buttons (IDOK, IDYES, ...), in tab order.
  std::vector<int> ButtonIds() const;

  // Which standard icon the box shows. Unknown while it is not painted yet.
  DialogIcon Icon() const;
  DialogIcon WaitForIcon(Millis timeout = kTimeout) const;

  bool Press(int buttonId) const;

 private:
  Window IconStatic() const;
};

}  // namespace ilvorande::e2e
