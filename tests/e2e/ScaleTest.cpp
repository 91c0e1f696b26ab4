// Both windows at the screen scale of the Wine prefix (ILVORANDE_TEST_DPI,
// 96 when unset): their client areas scale, every one-line caption fits its
// control, and no two texts overlap.
#include <cstdlib>

#include "core/helpabout/AboutControlIds.h"
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

// Client areas: 3900 x 7365 and 6420 x 7125 twips.
const std::map<UINT, std::pair<Size, Size>> ClientSizes{{96, {{260, 491}, {428, 475}}},
                                                        {144, {{390, 737}, {642, 713}}},
                                                        {192, {{520, 982}, {856, 950}}}};
const Font DefaultFont{L"MS Sans Serif", 8.25};

SIZE TextSize(const std::wstring& text, const Font& font, UINT dpi) {
  const OwnedGdi handle = MakeFont(font, dpi);
  SIZE size{};
  Draw(1, 1, 0, [&](HDC dc) {
    SelectObject(dc, handle.get());
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  });
  return size;
}

// Where a control's caption stands: one line in its top-left corner, centred
// at its top or across its middle, or the first line of a wrapped text; a
// null font stands for the whole control.
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
    ASSERT_TRUE(ClientSizes.contains(dpi_)) << "no expectations for " << dpi_ << " dpi";
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_EQ(GetDpiForWindow(main_.handle), dpi_);
  }

  // Each caption fits its control, and no two overlap.
  void ExpectWholeAndApart(const Window& window, Size client,
                           const std::vector<Caption>& captions) {
    RECT rect{};
    GetClientRect(window.handle, &rect);
    EXPECT_EQ((Size{rect.right, rect.bottom}), client);
    std::vector<RECT> texts;
    for (const Caption& caption : captions) {
      const Window control = window.Child(caption.id);
      rect = control.ScreenRect();
      MapWindowPoints(HWND_DESKTOP, window.handle, reinterpret_cast<POINT*>(&rect), 2);
      if (caption.font != nullptr) {
        const SIZE text = TextSize(control.Text(), *caption.font, dpi_);
        if (caption.place != Caption::FirstLine) {
          EXPECT_GE(rect.right - rect.left, text.cx) << control.Text() << " is cut";
        }
        const LONG left = caption.place == Caption::TopCentre
                              ? (rect.left + rect.right - text.cx) / 2
                              : rect.left;
        const LONG top =
            caption.place == Caption::Middle ? (rect.top + rect.bottom - text.cy) / 2 : rect.top;
        const bool across = caption.place == Caption::Middle || caption.place == Caption::FirstLine;
        rect = {left, top, across ? rect.right : left + text.cx, top + text.cy};
      }
      for (const RECT& other : texts) {
        RECT common{};
        EXPECT_FALSE(IntersectRect(&common, &rect, &other)) << "over " << control.Text();
      }
      texts.push_back(rect);
    }
  }

  UINT dpi_ = 0;
};

TEST_F(Scale, MainWindowCaptionsAreWholeAndApart) {
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
  ExpectWholeAndApart(main_, ClientSizes.at(dpi_).first, captions);
  // Real pixels, whatever the scale.
  EXPECT_EQ(Control(ModeInForce).Text(), SizeText(ScreenSize(), L" X "));
}

TEST_F(Scale, AboutWindowCaptionsAreWholeAndApart) {
  ASSERT_TRUE(Control(AboutButton).Click());
  const Window about = program_->WaitForWindow(AboutWindowClassName);
  ASSERT_TRUE(about.Exists());
  const Font title{L"Comic Sans MS", 20.25}, version{L"Comic Sans MS", 14.25},
      web{L"Arial", 14.25, true}, statement{L"Comic Sans MS", 12}, mail{L"Arial", 12, true};
  using enum AboutControl;
  ExpectWholeAndApart(about, ClientSizes.at(dpi_).second,
                      {{int(Title), &title, Caption::TopCentre},
                       {int(Version), &version, Caption::TopCentre},
                       {int(Picture)},
                       {int(WebAddress), &web, Caption::TopCentre},
                       {int(Statement), &statement, Caption::FirstLine},
                       {int(MailLink), &mail},
                       {int(BackButton)}});
}

}  // namespace
}  // namespace ilvorande::e2e
