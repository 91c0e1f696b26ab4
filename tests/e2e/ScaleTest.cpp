// Both windows at the screen scale of the Wine prefix (ILVORANDE_TEST_DPI,
// 96 when unset): their client areas scale, every caption's control is as
// wide as its text, and no two texts overlap.
#include <cstdlib>

#include "core/helpabout/AboutControlIds.h"
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

struct ScaleCase {
  UINT dpi;
  Size main, about;  // client areas: 3900 x 7365 and 6420 x 7125 twips
};

constexpr ScaleCase kScales[] = {{96, {260, 491}, {428, 475}},
                                 {120, {325, 614}, {535, 594}},
                                 {144, {390, 737}, {642, 713}},
                                 {192, {520, 982}, {856, 950}}};

SIZE TextSize(const std::wstring& text, const Font& font, UINT dpi) {
  const OwnedGdi handle(CreateFontW(-std::lround(font.points * dpi / 72), 0, 0, 0, FW_NORMAL, FALSE,
                                    font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                    font.face));
  const ScreenDc dc(GetDC(nullptr));
  const HGDIOBJ previous = SelectObject(dc.get(), handle.get());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc.get(), previous);
  return size;
}

RECT InClient(const Window& window, const Window& control) {
  RECT rect = control.ScreenRect();
  MapWindowPoints(HWND_DESKTOP, window.handle, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

Size ClientSize(const Window& window) {
  RECT rect{};
  GetClientRect(window.handle, &rect);
  return {rect.right, rect.bottom};
}

void ExpectApart(const std::vector<std::pair<std::wstring, RECT>>& texts) {
  for (size_t a = 0; a < texts.size(); ++a) {
    for (size_t b = a + 1; b < texts.size(); ++b) {
      RECT common{};
      EXPECT_FALSE(IntersectRect(&common, &texts[a].second, &texts[b].second))
          << "\"" << texts[a].first << "\" overlaps \"" << texts[b].first << "\"";
    }
  }
}

class Scale : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    const char* wanted = std::getenv("ILVORANDE_TEST_DPI");
    const UINT dpi = wanted != nullptr ? static_cast<UINT>(std::atoi(wanted)) : 96;
    for (const ScaleCase& c : kScales) scale_ = c.dpi == dpi ? c : scale_;
    ASSERT_EQ(scale_.dpi, dpi) << "no expectations for " << dpi << " dpi";
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_EQ(GetDpiForWindow(main_.handle), dpi);
  }
  ScaleCase scale_{};
};

TEST_F(Scale, MainWindowTextsAreWholeAndApart) {
  EXPECT_EQ(ClientSize(main_), scale_.main);
  const Font normal{L"MS Sans Serif", 8.25}, large{L"MS Sans Serif", 13.5};
  std::vector<std::pair<std::wstring, RECT>> texts;
  for (const MainControl label :
       {WidthCaption, HeightCaption, TimesSign, ModeInForceCaption, ModeInForce}) {
    const Window control = Control(label);
    const RECT rect = InClient(main_, control);
    const SIZE text = TextSize(control.Text(), label == TimesSign ? large : normal, scale_.dpi);
    EXPECT_GE(rect.right - rect.left, text.cx) << "\"" << control.Text() << "\" is cut";
    texts.push_back(
        {control.Text(), {rect.left, rect.top, rect.left + text.cx, rect.top + text.cy}});
  }
  // The option's caption is one line across its middle, which is taller.
  const RECT option = InClient(main_, Control(ShortcutOption));
  const LONG middle = (option.top + option.bottom) / 2;
  const LONG half = TextSize(L"C", normal, scale_.dpi).cy / 2;
  texts.push_back({L"the option", {option.left, middle - half, option.right, middle + half}});
  for (const MainControl control :
       {WidthBox, HeightBox, RestoreButton, HelpButton, AboutButton, QuitButton})
    texts.push_back({Control(control).Text(), InClient(main_, Control(control))});
  for (int index = 0; index < 10; ++index) {
    const Window button = Control(ModeButton(index));
    const RECT rect = InClient(main_, button);
    EXPECT_GE(rect.right - rect.left, TextSize(button.Text(), normal, scale_.dpi).cx);
    texts.push_back({button.Text(), rect});
  }
  ExpectApart(texts);
  // Real pixels, whatever the scale.
  EXPECT_EQ(Control(ModeInForce).Text(), SizeText(ScreenSize(), L" X "));
}

TEST_F(Scale, AboutWindowTextsAreWholeAndApart) {
  ASSERT_TRUE(Control(AboutButton).Click());
  const Window about = program_->WaitForWindow(AboutWindowClassName);
  ASSERT_TRUE(about.Exists());
  EXPECT_EQ(ClientSize(about), scale_.about);
  const struct {
    AboutControl id;
    Font font;
    bool centred;
  } lines[] = {{AboutControl::Title, {L"Comic Sans MS", 20.25}, true},
               {AboutControl::Version, {L"Comic Sans MS", 14.25}, true},
               {AboutControl::WebAddress, {L"Arial", 14.25, true}, true},
               {AboutControl::MailLink, {L"Arial", 12, true}, false}};
  std::vector<std::pair<std::wstring, RECT>> texts;
  for (const auto& line : lines) {
    const Window control = about.Child(line.id);
    const RECT rect = InClient(about, control);
    const SIZE text = TextSize(control.Text(), line.font, scale_.dpi);
    EXPECT_GE(rect.right - rect.left, text.cx) << "\"" << control.Text() << "\" is cut";
    const LONG left = line.centred ? (rect.left + rect.right - text.cx) / 2 : rect.left;
    texts.push_back({control.Text(), {left, rect.top, left + text.cx, rect.top + text.cy}});
  }
  for (const AboutControl id : {AboutControl::Picture, AboutControl::BackButton})
    texts.push_back(
        {L"control " + std::to_wstring(static_cast<int>(id)), InClient(about, about.Child(id))});
  const RECT statement = InClient(about, about.Child(AboutControl::Statement));
  const LONG firstLine = TextSize(L"A", {L"Comic Sans MS", 12}, scale_.dpi).cy;
  texts.push_back({L"the statement's first line",
                   {statement.left, statement.top, statement.right, statement.top + firstLine}});
  ExpectApart(texts);
  ASSERT_TRUE(about.CloseBox());
}

}  // namespace
}  // namespace ilvorande::e2e
