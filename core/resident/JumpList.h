// The tasks that the program's taskbar button and Start-menu entry list
// under the system's own "Tâches" heading: each preset, as a link to this
// program with the desktop link's arguments for the primary screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ilvorande {

struct JumpTask {
  std::string title;
  std::string program;
  std::string arguments;
  // The program's own icon is its first.
  int iconIndex;
  friend bool operator==(const JumpTask&, const JumpTask&) = default;
};

// The presets in the window's row order: "1024 x 768" runs "/4F".
std::vector<JumpTask> JumpListTasks(std::string_view programPath);

class JumpList {
 public:
  virtual ~JumpList() = default;

  // Replaces the list's tasks; a failure leaves the list as it was, silently.
  virtual void SetTasks(const std::vector<JumpTask>& tasks) = 0;
};

}  // namespace ilvorande
