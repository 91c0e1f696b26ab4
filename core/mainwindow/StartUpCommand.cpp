#include "core/mainwindow/StartUpCommand.h"

#include <string>
#include <string_view>

#include "core/display/ScreenSwitcher.h"
#include "core/mainwindow/CommandLine.h"
#include "core/mainwindow/MainWindowBehaviour.h"
#include "core/mainwindow/MainWindowView.h"

namespace ilvorande {

namespace {

constexpr std::string_view MissingScreenPrefix = "L'écran ";
constexpr std::string_view MissingScreenSuffix = " n'est pas branché.";
constexpr std::string_view MissingScreenTitle = "Désolé";
// A longer number keeps its first and last digits around an ellipsis, so
// that its message box fits the screen.
constexpr std::size_t LongestNumberShown = 12;
constexpr std::size_t DigitsShownEachSide = 4;
constexpr std::string_view Ellipsis = "…";

std::string MissingScreenText(const std::string& digits) {
  std::string text(MissingScreenPrefix);
  if (digits.size() <= LongestNumberShown) {
    text += digits;
  } else {
    text.append(digits, 0, DigitsShownEachSide);
    text += Ellipsis;
    text.append(digits, digits.size() - DigitsShownEachSide);
  }
  return text += MissingScreenSuffix;
}

// A screen that isn't there acts as a refused switch.
bool ChooseNamedScreen(ScreenSwitcher& screens, Toolkit& toolkit, const NamedScreen& named) {
  if (named.number && screens.ChooseNumber(*named.number)) return true;
  toolkit.ShowMessage(MissingScreenText(named.digits), MessageStyle::OkWithStopIcon,
                      MissingScreenTitle);
  return false;
}

}  // namespace

// A command-line switch is a press of that mode button, for the screen named.
void RunStartUpCommand(MainWindowBehaviour& window, MainWindowView& view, ScreenSwitcher& screens,
                       Toolkit& toolkit) {
  const auto request = ParseCommandLine(toolkit.CommandLine());
  if (!request) return;
  if (request->helpForMissingMarker) window.HelpClicked();
  if (!request->buttonIndex) {
    window.HelpClicked();
    return;
  }
  if (!request->screen || ChooseNamedScreen(screens, toolkit, *request->screen)) {
    window.ModeButtonClicked(*request->buttonIndex);
  }
  switch (request->after) {
    case AfterSwitch::ShowNormal:
      view.SetMinimized(false);
      break;
    case AfterSwitch::ShowMinimized:
      view.SetMinimized(true);
      break;
    case AfterSwitch::End:
      window.QuitClicked();
      break;
    case AfterSwitch::LeaveState:
      break;
  }
}

}  // namespace ilvorande
