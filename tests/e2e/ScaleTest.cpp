// Both windows at the prefix's scale (ILVORANDE_TEST_DPI, else 96) with Wine's inexact fonts.
#include <cmath>
#include <cstdlib>

#include "core/helpabout/AboutControlIds.h"
#include "driver/Fixture.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

using Font = std::pair<const wchar_t*, double>;  // face, points

// Where a control's caption stands; no font: the control itself.
struct Caption {
  int id;
  const Font* font = nullptr;
  enum { TopLeft, TopCentre, Middle, FirstLine } place = TopLeft;
};

void ExpectWholeApartAndInside(UINT dpi, const Window& window,
                               const std::vector<Caption>& captions) {
  RECT client{}, common{};
  GetClientRect(window.handle, &client);
  std::vector<RECT> texts;
  for (const auto& [id, font, place] : captions) {
    const Window control = window.Child(id);
    SCOPED_TRACE(control.Text());
    RECT rect = control.ScreenRect();
    MapWindowPoints(HWND_DESKTOP, window.handle, reinterpret_cast<POINT*>(&rect), 2);
    if (font != nullptr) {
      const UniqueFont handle(CreateFontW(-std::lround(font->second * dpi / 72), 0, 0, 0, FW_NORMAL,
                                          FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                          font->first));
      const CreatedDC dc(CreateCompatibleDC(nullptr));
      const SelectedObject selected(dc.get(), handle.get());
      SIZE text{};
      const std::wstring caption = control.Text();
      GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &text);
      EXPECT_TRUE(place == Caption::FirstLine || rect.right - rect.left >= text.cx) << "cut";
      const LONG left =
          place == Caption::TopCentre ? (rect.left + rect.right - text.cx) / 2 : rect.left;
      const LONG top = place == Caption::Middle ? (rect.top + rect.bottom - text.cy) / 2 : rect.top;
      const bool across = place == Caption::Middle || place == Caption::FirstLine;
      rect = {left, top, across ? rect.right : left + text.cx, top + text.cy};
    }
    EXPECT_TRUE(IntersectRect(&common, &rect, &client) && EqualRect(&common, &rect))
        << "outside the window";
    for (const RECT& other : texts) EXPECT_FALSE(IntersectRect(&common, &rect, &other));
    texts.push_back(rect);
  }
}

using Scale = ProgramTest;

TEST_F(Scale, BothWindowsShowEveryCaptionWholeApartAndInside) {
  const char* wanted = std::getenv("ILVORANDE_TEST_DPI");
  const UINT dpi = wanted != nullptr ? static_cast<UINT>(std::atoi(wanted)) : 96;
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_EQ(GetDpiForWindow(main_.handle), dpi);
  // clang-format off
  const Font standard{L"MS Sans Serif", 8.25}, times{L"MS Sans Serif", 13.5};
  std::vector<Caption> captions = {
      {int(WidthCaption), &standard}, {int(HeightCaption), &standard}, {int(TimesSign), &times},
      {int(ModeInForceCaption), &standard}, {int(ModeInForce), &standard},
      {int(ShortcutOption), &standard, Caption::Middle}, {int(WidthBox)}, {int(HeightBox)},
      {int(RestoreButton)}, {int(HelpButton)}, {int(AboutButton)}, {int(QuitButton)}};
  // clang-format on
  for (int index = 0; index < 10; ++index) captions.push_back({int(ModeButton(index))});
  ExpectWholeApartAndInside(dpi, main_, captions);
  EXPECT_EQ(Control(ModeInForce).Text(), SizeText(ScreenSize(), L" X ")) << "real pixels";

  ASSERT_TRUE(Control(AboutButton).Click());
  const Window about = program_->WaitForWindow(AboutWindowClassName);
  ASSERT_TRUE(about.Exists());
  const Font title{L"Comic Sans MS", 20.25}, version{L"Comic Sans MS", 14.25}, web{L"Arial", 14.25},
      statement{L"Comic Sans MS", 12}, mail{L"Arial", 12};
  using enum AboutControl;
  // clang-format off
  ExpectWholeApartAndInside(dpi, about, {
      {int(Title), &title, Caption::TopCentre}, {int(Version), &version, Caption::TopCentre},
      {int(Picture)}, {int(WebAddress), &web, Caption::TopCentre},
      {int(Statement), &statement, Caption::FirstLine}, {int(MailLink), &mail}, {int(BackButton)}});
  // clang-format on
}

}  // namespace
}  // namespace ilvorande::e2e
