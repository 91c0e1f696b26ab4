#include "win32/toolkit/Win32MessageLoop.h"

namespace ilvorande {

namespace {

// Enter presses the push button that has the focus, elsewhere the window's
// default button (DM_GETDEFID), as in a dialog box: the dialog manager
// leaves that to a dialog's own procedure.
bool PressedButtonForEnter(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  const HWND focus = GetFocus();
  if (focus == nullptr || focus != message.hwnd) return false;
  HWND button = focus;
  const auto code = SendMessageW(focus, WM_GETDLGCODE, 0, 0);
  if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0) {
    const HWND root = GetAncestor(focus, GA_ROOT);
    const LRESULT byDefault = SendMessageW(root, DM_GETDEFID, 0, 0);
    button = HIWORD(byDefault) == DC_HASDEFID ? GetDlgItem(root, LOWORD(byDefault)) : nullptr;
  }
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  SendMessageW(button, BM_CLICK, 0, 0);
  return true;
}

bool MovesTheFocus(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  switch (message.wParam) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return true;
    default:
      return false;
  }
}

void Dispatch(MSG& message) {
  const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  // A user who moves with the keyboard sees where the focus is, as the
  // dialog manager of Windows shows it; Wine's does not always.
  if (root != nullptr && MovesTheFocus(message)) {
    SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  }
  if (root != nullptr && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
      SendMessageW(root, WM_TRANSLATE_SHORTCUT, 0, reinterpret_cast<LPARAM>(&message)) != 0) {
    return;
  }
  if (PressedButtonForEnter(message)) return;
  if (root != nullptr && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

Dispatched DispatchNext(bool wait) {
  MSG message{};
  if (wait) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) message.message = WM_QUIT;
  } else if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    return Dispatched::NoneWaiting;
  }
  if (message.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(message.wParam));
    return Dispatched::Quit;
  }
  Dispatch(message);
  return Dispatched::One;
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return static_cast<int>(message.wParam);
}

}  // namespace ilvorande
