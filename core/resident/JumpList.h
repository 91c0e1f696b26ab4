// The tasks that the program's taskbar button and Start-menu entry list
// under the system's own "Tâches" heading: each preset, as a link to this
// program with the desktop link's arguments for the primary screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ilvorande {

// Each task starts this program and shows its icon, the program's first.
inline constexpr int JumpTaskIconIndex = 0;

struct JumpTask {
  std::string title;
  std::string arguments;
};

// The presets in the window's row order: "1024 x 768" runs "/4F".
std::vector<JumpTask> JumpListTasks();

class JumpList {
 public:
  virtual ~JumpList() = default;

  // Replaces the list's tasks, each a link to the program with its
  // arguments, title and the program's icon JumpTaskIconIndex; a failure
  // leaves the list as it was, silently.
  virtual void SetTasks(std::string_view programPath, const std::vector<JumpTask>& tasks) = 0;
};

}  // namespace ilvorande
