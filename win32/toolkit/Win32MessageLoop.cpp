#include "win32/toolkit/Win32MessageLoop.h"

namespace ilvorande {

void DispatchWithDialogKeys(MSG& message) {
  const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchWithDialogKeys(message);
  return static_cast<int>(message.wParam);
}

}  // namespace ilvorande
