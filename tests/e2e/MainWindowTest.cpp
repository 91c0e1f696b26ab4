// The main window as a screen reader (Wine's oleacc) hears it, and the option's tooltip.
#include <oleacc.h>

#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

std::wstring AccessibleName(HWND control) {
  // Written here: MinGW's static uuid library answers another IID_IAccessible.
  constexpr IID Accessible{
      0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
  ScopedComReference<IAccessible> accessible;
  if (const HRESULT result = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                        Accessible, accessible.out());
      FAILED(result))
    return L"(no accessible object: " + std::to_wstring(result) + L")";
  VARIANT self{};
  self.vt = VT_I4;  // lVal 0: CHILDID_SELF
  BSTR name = nullptr;
  std::wstring text = accessible->get_accName(self, &name) == S_OK && name ? name : L"";
  SysFreeString(name);
  return text;
}

class MainWindow : public ProgramTest {};

// In z-order, that of reading and Tab: a box is named by the caption right before it.
TEST_F(MainWindow, AScreenReaderHearsEveryControlInReadingOrderAndTheOptionExplainsItself) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::wstring heard;
  for (HWND child = GetWindow(main_.handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    heard += AccessibleName(child) + L" | ";
  CoUninitialize();
  EXPECT_EQ(heard, L"1600 x 1200 | Quitter | Ilvorande actuel | " + SizeText(primary_, L" X ") +
                       L" | Restaurer | 1400 x 1050 | 1280 x 960 | 1152 x 864 | 1024 x 768 | "
                       L"800 x 600 | 640 x 480 | Info Ligne de commande | A Propos | 1280 x 1024 | "
                       L"largeur | largeur | X | hauteur | hauteur | Autre... | 1280 x 800 | "
                       L"Créer un raccourci vers le bureau | ");

  const POINT point = PointIn(Control(MainControl::ShortcutOption));
  ASSERT_TRUE(SetCursorPos(0, 0) && SetCursorPos(point.x, point.y));
  std::vector<Window> tips;
  EXPECT_TRUE(WaitUntil([&] { return !(tips = program_->Windows("tooltips_class32")).empty(); }));
  EXPECT_EQ(tips.empty() ? L"" : tips[0].Text(),
            L"Si cette case est active, d'appuyer sur un bouton ira créer un raccourci "
            L"permettant d'un clic d'accéder à cette configuration.");
}

}  // namespace
}  // namespace ilvorande::e2e
