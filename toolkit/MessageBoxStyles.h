// Win32 message-box numbers used by the core. Kept apart from the interface
// headers because <windows.h> defines the same names as macros.
#pragma once

#include <cstdint>

namespace ilvorande {

inline constexpr std::uint32_t MB_OK = 0x0000;
inline constexpr std::uint32_t MB_YESNO = 0x0004;
inline constexpr std::uint32_t MB_ICONERROR = 0x0010;
inline constexpr std::uint32_t MB_ICONINFORMATION = 0x0040;
inline constexpr std::uint32_t MB_SYSTEMMODAL = 0x1000;

inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;

}  // namespace ilvorande
