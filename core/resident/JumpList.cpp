#include "core/resident/JumpList.h"

#include "core/display/ModePresets.h"

namespace ilvorande {

std::vector<JumpTask> JumpListTasks(std::string_view programPath) {
  constexpr int ProgramIconIndex = 0;
  std::vector<JumpTask> tasks;
  for (const ModePreset& preset : ModePresets) {
    tasks.push_back({PresetCaption(preset), std::string(programPath),
                     "/" + std::to_string(preset.index) + "F", ProgramIconIndex});
  }
  return tasks;
}

}  // namespace ilvorande
