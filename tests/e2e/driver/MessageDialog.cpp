#include "driver/MessageDialog.h"

#include <cstdint>

#include "driver/Screen.h"

namespace ilvorande::e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct Candidate {
  DialogIcon icon;
  LPCWSTR resource;
};

const Candidate kCandidates[] = {
    {DialogIcon::Error, IDI_ERROR},
    {DialogIcon::Warning, IDI_WARNING},
    {DialogIcon::Question, IDI_QUESTION},
    {DialogIcon::Information, IDI_INFORMATION},
};

bool IsIconStatic(const Window& window) {
  return _wcsicmp(window.ClassName().c_str(), L"Static") == 0 &&
         (window.Style() & SS_TYPEMASK) == SS_ICON;
}

// Under Wine every process loads its own copy of the system icons, so the
// handles differ: compare what is on the screen with each icon drawn here.
DialogIcon RecogniseOnScreen(const Window& iconStatic) {
  const Picture shown = Picture::FromScreen(iconStatic.ClientRectOnScreen());
  if (shown.Empty()) return DialogIcon::Unknown;
  // The icons' corners are transparent: the corner shows the background.
  const uint32_t background = shown.At(0, 0);
  const Picture blank = Plain(shown.Width(), shown.Height(), background);

  DialogIcon best = DialogIcon::Unknown;
  double bestMismatch = 1.0;
  for (const Candidate& candidate : kCandidates) {
    const Picture reference =
        DrawIcon(LoadIconW(nullptr, candidate.resource), shown.Width(), shown.Height(), background);
    if (const double mismatch = Mismatch(shown, reference); mismatch < bestMismatch) {
      bestMismatch = mismatch;
      best = candidate.icon;
    }
  }
  // A near-perfect match that a plain background would not give.
  if (bestMismatch < 0.05 && Mismatch(shown, blank) > 0.2) return best;
  return DialogIcon::Unknown;
}

}  // namespace

const char* ToString(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::None:
      return "no icon";
    case DialogIcon::Error:
      return "error (stop) icon";
    case DialogIcon::Warning:
      return "warning icon";
    case DialogIcon::Question:
      return "question icon";
    case DialogIcon::Information:
      return "information icon";
    case DialogIcon::Unknown:
      break;
  }
  return "unrecognised icon";
}

std::wstring MessageDialog::Message() const {
  if (const Window text = Child(kMessageTextId); text.Exists()) return text.Text();
  for (const Window& child : Children())
    if (_wcsicmp(child.ClassName().c_str(), L"Static") == 0 && !IsIconStatic(child))
      return child.Text();
  return {};
}

std::vector<int> MessageDialog::ButtonIds() const {
  std::vector<int> ids;
  for (const Window& child : Children())
    if (_wcsicmp(child.ClassName().c_str(), L"Button") == 0 && child.IsVisible())
      ids.push_back(child.Id());
  return ids;
}

Window MessageDialog::IconStatic() const {
  for (const Window& child : Children())
    if (IsIconStatic(child)) return child;
  return Window();
}

DialogIcon MessageDialog::Icon() const {
  const Window iconStatic = IconStatic();
  if (!iconStatic.Exists() || !iconStatic.IsVisible()) return DialogIcon::None;
  const auto handle = iconStatic.Send(STM_GETICON);
  if (!handle) return DialogIcon::Unknown;
  if (*handle == 0) return DialogIcon::None;
  // Windows shares the system icons between processes: same handle.
  for (const Candidate& candidate : kCandidates)
    if (reinterpret_cast<HICON>(*handle) == LoadIconW(nullptr, candidate.resource))
      return candidate.icon;
  return RecogniseOnScreen(iconStatic);
}

DialogIcon MessageDialog::WaitForIcon(Millis timeout) const {
  DialogIcon icon = DialogIcon::Unknown;
  WaitUntil(
      [&] {
        icon = Icon();
        return icon != DialogIcon::Unknown;
      },
      timeout);
  return icon;
}

bool MessageDialog::Press(int buttonId) const {
  const Window button = Child(buttonId);
  return button.Exists() && button.Click();
}

}  // namespace ilvorande::e2e
