#include "core/resident/JumpList.h"

#include "core/display/ModePresets.h"

namespace ilvorande {

std::vector<JumpTask> JumpListTasks() {
  std::vector<JumpTask> tasks(ModePresets.size());
  for (std::size_t place = 0; place < ModePresets.size(); ++place) {
    const ModePreset& preset = ModePresets[place];
    tasks[place].title = PresetCaption(preset);
    tasks[place].arguments = {'/', static_cast<char>('0' + preset.index), 'F'};
  }
  return tasks;
}

}  // namespace ilvorande
