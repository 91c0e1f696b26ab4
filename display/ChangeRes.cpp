#include <limits>
#include <optional>

#include "display/DisplayConstants.h"
#include "mainwindow/Ilvorande.h"
#include "mainwindow/SizeText.h"
#include "toolkit/MessageBoxStyles.h"

namespace ilvorande {

namespace {

constexpr std::string_view RestartQuestion =
    "Les modifications prendront effet après avoir redemarré votre PC, c'est parti ???";
constexpr std::string_view RestartTitle = "Info";
constexpr std::string_view RefusalText = "Votre carte graphique n'accepte pas cette résolution";
constexpr std::string_view RefusalTitle = "Désolé";

std::optional<std::int16_t> DepthAs16Bits(std::int32_t bits) {
  if (bits < std::numeric_limits<std::int16_t>::min() ||
      bits > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(bits);
}

// height x 65536 + width, summed in double precision as the message's
// packed size; nothing when it leaves the 32-bit range.
std::optional<std::int32_t> PackedSize(std::int32_t width, std::int32_t height) {
  return RoundHalfEven(static_cast<double>(height) * 65536.0 + static_cast<double>(width));
}

}  // namespace

ChangeResError Ilvorande::ChangeRes(const std::int32_t& width, const std::int32_t& height,
                                    const std::int32_t& bits) {
  DevModeRecord record{};
  // The enumeration fills the header too; setting it first serves systems
  // that insist on a caller-set size.
  record.dmSize = DevModeRecordSize;
  record.dmDriverExtra = 0;
  display_.EnumDisplaySettingsA(FirstGraphicsMode, record);

  const auto depth = DepthAs16Bits(bits);
  if (!depth) return ChangeResError::Overflow;
  // Replaces the enumeration's fields, so no refresh rate is ever requested.
  record.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  record.dmPelsWidth = static_cast<std::uint32_t>(width);
  record.dmPelsHeight = static_cast<std::uint32_t>(height);
  record.dmBitsPerPel = static_cast<std::uint16_t>(*depth);

  const std::int32_t result = display_.ChangeDisplaySettingsA(record, CDS_FULLSCREEN);
  if (result == DISP_CHANGE_SUCCESSFUL) {
    display_.ChangeDisplaySettingsA(record, CDS_UPDATEREGISTRY);
    const auto packedSize = PackedSize(width, height);
    if (!packedSize) return ChangeResError::Overflow;
    display_.SendMessageA(HWND_BROADCAST, WM_DISPLAYCHANGE,
                          static_cast<std::uintptr_t>(static_cast<std::uint32_t>(bits)),
                          static_cast<std::intptr_t>(*packedSize));
  } else if (result == DISP_CHANGE_RESTART) {
    if (toolkit_.MsgBox(RestartQuestion, MB_YESNO | MB_SYSTEMMODAL, RestartTitle) == IDYES) {
      display_.ExitWindowsEx(EWX_REBOOT, 0);
    }
  } else {
    toolkit_.MsgBox(RefusalText, MB_OK | MB_ICONERROR, RefusalTitle);
  }
  return ChangeResError::None;
}

}  // namespace ilvorande
