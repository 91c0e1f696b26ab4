// Texts that the main window shows for a screen size.
#pragma once

#include <string>

#include "driver/Display.h"

namespace ilvorande::e2e {

// Label1: a capital X.
inline std::wstring ModeLabelText(ScreenSize size) {
  return std::to_wstring(size.width) + L" X " + std::to_wstring(size.height);
}

// "Restaurer" once a mode is saved: a small x.
inline std::wstring RestoreCaption(ScreenSize size) {
  return L"Restaurer \u00e0 " + std::to_wstring(size.width) + L" x " + std::to_wstring(size.height);
}

}  // namespace ilvorande::e2e
