// The display-mode record that a switch hands to the system: a portable
// mirror of the first 124 bytes of DEVMODEA (dmDeviceName to
// dmDisplayFrequency), so that the core fills it exactly as the system reads it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ilvorande {

struct DevModeRecord {
  char dmDeviceName[32];
  std::uint16_t dmSpecVersion;
  std::uint16_t dmDriverVersion;
  std::uint16_t dmSize;
  std::uint16_t dmDriverExtra;
  std::uint32_t dmFields;
  std::uint8_t dmPrinterOrPosition[16];  // the printer fields or the display position
  std::int16_t dmColor;
  std::int16_t dmDuplex;
  std::int16_t dmYResolution;
  std::int16_t dmTTOption;
  std::int16_t dmCollate;
  std::uint8_t dmFormName[32];
  std::uint16_t dmLogPixels;
  std::uint32_t dmBitsPerPel;
  std::uint32_t dmPelsWidth;
  std::uint32_t dmPelsHeight;
  std::uint32_t dmDisplayFlags;
  std::uint32_t dmDisplayFrequency;
};

inline constexpr std::uint16_t DevModeRecordSize = 124;
static_assert(sizeof(DevModeRecord) == DevModeRecordSize);
static_assert(offsetof(DevModeRecord, dmFields) == 40);
static_assert(offsetof(DevModeRecord, dmBitsPerPel) == 104);
static_assert(offsetof(DevModeRecord, dmDisplayFrequency) == 120);

// Bits per pixel, width and height: the only members a switch asks for.
inline constexpr std::uint32_t FieldsOfASwitch = 0x001C0000;

// The enumerated record with the switch's members written over it. The
// fields replace the enumeration's, so no refresh rate is requested. The
// 16-bit depth fills the whole 32-bit member: its bits in the low half, the
// high half zero (a negative depth is not sign-extended).
DevModeRecord BuildSwitchRecord(const DevModeRecord& enumerated, std::int32_t width,
                                std::int32_t height, std::int16_t depth);

}  // namespace ilvorande
