#include "win32/toolkit/ProgramIcon.h"

#include "resources/ResourceIds.h"

namespace ilvorande {

UniqueIcon SetProgramIcon(HWND window, HINSTANCE instance, const DpiScale& scale) {
  const int size = scale.FromDesignPixels(ProgramIconDesignPixels);
  UniqueIcon icon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ILVORANDE), IMAGE_ICON, size, size, 0)));
  // The title bar's small icon is drawn from the same picture.
  for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
  }
  return icon;
}

}  // namespace ilvorande
