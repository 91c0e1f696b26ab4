// Both windows at the screen scale of the Wine prefix (ILVORANDE_TEST_DPI,
// 96 when unset), with Wine's fonts, which do not scale exactly with the
// layout: every one-line caption fits its control, no two texts overlap, and
// nothing stands outside the window.
#include <cmath>
#include <cstdlib>

#include "core/helpabout/AboutControlIds.h"
#include "driver/Fixture.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

struct Font {
  const wchar_t* face;
  double points;
};
const Font DefaultFont{L"MS Sans Serif", 8.25};

// Where a control's caption stands: one line in its top-left corner, centred
// at its top or across its middle, or the first line of a wrapped text; no
// font stands for the whole control.
struct Caption {
  int id;
  const Font* font = nullptr;
  enum { TopLeft, TopCentre, Middle, FirstLine } place = TopLeft;
};

class Scale : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    const char* wanted = std::getenv("ILVORANDE_TEST_DPI");
    dpi_ = wanted != nullptr ? static_cast<UINT>(std::atoi(wanted)) : 96;
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_EQ(GetDpiForWindow(main_.handle), dpi_);
  }

  SIZE TextSize(const std::wstring& text, const Font& font) const {
    const UniqueFont handle(CreateFontW(-std::lround(font.points * dpi_ / 72), 0, 0, 0, FW_NORMAL,
                                        FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                        font.face));
    const CreatedDC dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), handle.get());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }

  void ExpectWholeApartAndInside(const Window& window, const std::vector<Caption>& captions) {
    RECT client{}, common{};
    GetClientRect(window.handle, &client);
    std::vector<RECT> texts;
    for (const Caption& caption : captions) {
      const Window control = window.Child(caption.id);
      SCOPED_TRACE(control.Text());
      RECT rect = control.ScreenRect();
      MapWindowPoints(HWND_DESKTOP, window.handle, reinterpret_cast<POINT*>(&rect), 2);
      if (caption.font != nullptr) {
        const SIZE text = TextSize(control.Text(), *caption.font);
        EXPECT_TRUE(caption.place == Caption::FirstLine || rect.right - rect.left >= text.cx)
            << "cut";
        const LONG left = caption.place == Caption::TopCentre
                              ? (rect.left + rect.right - text.cx) / 2
                              : rect.left;
        const LONG top =
            caption.place == Caption::Middle ? (rect.top + rect.bottom - text.cy) / 2 : rect.top;
        const bool across = caption.place == Caption::Middle || caption.place == Caption::FirstLine;
        rect = {left, top, across ? rect.right : left + text.cx, top + text.cy};
      }
      EXPECT_TRUE(IntersectRect(&common, &rect, &client) && EqualRect(&common, &rect))
          << "outside the window";
      for (const RECT& other : texts) EXPECT_FALSE(IntersectRect(&common, &rect, &other));
      texts.push_back(rect);
    }
  }

  UINT dpi_ = 0;
};

TEST_F(Scale, BothWindowsShowEveryCaptionWholeApartAndInside) {
  const Font times{L"MS Sans Serif", 13.5};
  std::vector<Caption> captions = {{int(WidthCaption), &DefaultFont},
                                   {int(HeightCaption), &DefaultFont},
                                   {int(TimesSign), &times},
                                   {int(ModeInForceCaption), &DefaultFont},
                                   {int(ModeInForce), &DefaultFont},
                                   {int(ShortcutOption), &DefaultFont, Caption::Middle},
                                   {int(WidthBox)},
                                   {int(HeightBox)},
                                   {int(RestoreButton)},
                                   {int(HelpButton)},
                                   {int(AboutButton)},
                                   {int(QuitButton)}};
  for (int index = 0; index < 10; ++index) captions.push_back({int(ModeButton(index))});
  ExpectWholeApartAndInside(main_, captions);
  EXPECT_EQ(Control(ModeInForce).Text(), SizeText(ScreenSize(), L" X ")) << "real pixels";

  ASSERT_TRUE(Control(AboutButton).Click());
  const Window about = program_->WaitForWindow(AboutWindowClassName);
  ASSERT_TRUE(about.Exists());
  const Font title{L"Comic Sans MS", 20.25}, version{L"Comic Sans MS", 14.25}, web{L"Arial", 14.25},
      statement{L"Comic Sans MS", 12}, mail{L"Arial", 12};
  using enum AboutControl;
  ExpectWholeApartAndInside(about, {{int(Title), &title, Caption::TopCentre},
                                    {int(Version), &version, Caption::TopCentre},
                                    {int(Picture)},
                                    {int(WebAddress), &web, Caption::TopCentre},
                                    {int(Statement), &statement, Caption::FirstLine},
                                    {int(MailLink), &mail},
                                    {int(BackButton)}});
}

}  // namespace
}  // namespace ilvorande::e2e
