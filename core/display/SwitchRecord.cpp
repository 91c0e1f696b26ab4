#include "core/display/SwitchRecord.h"

namespace ilvorande {

DevModeRecord BuildSwitchRecord(const DevModeRecord& enumerated, std::int32_t width,
                                std::int32_t height, std::int16_t depth) {
  DevModeRecord record = enumerated;
  record.dmFields = FieldsOfASwitch;
  record.dmPelsWidth = static_cast<std::uint32_t>(width);
  record.dmPelsHeight = static_cast<std::uint32_t>(height);
  record.dmBitsPerPel = static_cast<std::uint16_t>(depth);
  return record;
}

}  // namespace ilvorande
