// Win32 numbers used by the core. Kept out of the interface headers because
// <windows.h> defines the same names as macros.
#pragma once

#include <cstdint>

namespace ilvorande {

inline constexpr std::uint32_t DM_BITSPERPEL = 0x00040000;
inline constexpr std::uint32_t DM_PELSWIDTH = 0x00080000;
inline constexpr std::uint32_t DM_PELSHEIGHT = 0x00100000;

inline constexpr std::uint32_t CDS_UPDATEREGISTRY = 1;
inline constexpr std::uint32_t CDS_FULLSCREEN = 4;

inline constexpr std::int32_t DISP_CHANGE_SUCCESSFUL = 0;
inline constexpr std::int32_t DISP_CHANGE_RESTART = 1;

inline constexpr std::uintptr_t HWND_BROADCAST = 0xFFFF;
inline constexpr std::uint32_t WM_DISPLAYCHANGE = 0x007E;

inline constexpr std::uint32_t EWX_REBOOT = 2;

inline constexpr std::int32_t BITSPIXEL = 12;

// The first graphics mode of the device, not its current settings.
inline constexpr std::uint32_t FirstGraphicsMode = 0;

}  // namespace ilvorande
