// The jump list's tasks through the shell's ICustomDestinationList, with
// ole32 loaded on first use.
#pragma once

#include "core/resident/JumpList.h"

namespace ilvorande {

class Win32JumpList final : public JumpList {
 public:
  void SetTasks(std::string_view programPath, const std::vector<JumpTask>& tasks) override;
};

}  // namespace ilvorande
