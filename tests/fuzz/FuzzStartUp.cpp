// Feeds arbitrary command lines and custom texts to start-up and to the
// "Autre..." button, with the fakes behind them, and checks that every run
// ends in one of the outcomes that the rules allow.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "helpabout/CommandHelp.h"
#include "mainwindow/CustomNumber.h"
#include "tests/fakes/FormHarness.h"

using namespace ilvorande;
using namespace ilvorande::testing;

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Fields separated by NUL: command line, Text1, Text2, decimal separator.
struct Input {
  std::string fields[4];
};

Input Split(std::string_view data) {
  Input input;
  for (auto& field : input.fields) {
    const auto end = data.find('\0');
    field = std::string(data.substr(0, end));
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
  }
  if (input.fields[3].empty()) input.fields[3] = ".";
  return input;
}

void CheckStartUp(const std::string& commandLine) {
  FormHarness h;
  h.toolkit.commandLine = commandLine;
  h.form.Form_Load();

  int helps = 0;
  for (const auto& message : h.toolkit.messages) {
    Require(message.text == CommandHelpText());
    ++helps;
  }
  const bool switched = !h.display.changes.empty();
  // Change_Click ran past its checkbox test: Restaurer is enabled.
  const bool clicked = h.view.enabled.at(IdCommand5);
  Require(helps <= 2);
  Require(h.display.changes.size() == 0 || h.display.changes.size() == 2);
  Require(!switched || clicked);
  if (commandLine.empty()) Require(helps == 0 && !clicked);
  if (!commandLine.empty() && !clicked) {
    Require(helps >= 1 && h.view.windowStates.empty() && !h.form.Ended());
  }
  if (clicked) Require(helps <= 1);
  Require(h.view.windowStates.size() <= 1);
  Require(h.display.liveContexts.empty());
  if (h.form.Ended()) {
    Require(h.toolkit.exitCodes == std::vector<int>{0});
    Require(h.view.destroyed == 1 && h.view.windowStates.empty());
    Require(h.view.texts.at(IdText1).empty());
  } else {
    Require(h.toolkit.exitCodes.empty() && h.view.destroyed == 0);
    Require(!h.view.texts.at(IdLabel1).empty());
  }
}

void CheckCustomEntry(const std::string& width, const std::string& height,
                      const std::string& separator) {
  const auto convertedWidth = ConvertCustomNumber(width, separator);
  const auto convertedHeight = ConvertCustomNumber(height, separator);
  // A converted value reads back as itself.
  for (const auto& value : {convertedWidth, convertedHeight}) {
    if (value) Require(ConvertCustomNumber(std::to_string(*value), separator) == value);
  }

  FormHarness h;
  h.Load();
  h.toolkit.decimalSeparator = separator;
  h.view.texts[IdText1] = width;
  h.view.texts[IdText2] = height;
  h.form.Change_Click(CustomModeIndex);

  if (!convertedWidth) {
    Require(h.display.changes.empty() && h.toolkit.messages.empty());
  } else {
    Require(!h.display.changes.empty());
    Require(h.display.changes[0].record.dmPelsWidth == static_cast<std::uint32_t>(*convertedWidth));
    Require(h.display.changes[0].record.dmPelsHeight ==
            static_cast<std::uint32_t>(convertedHeight.value_or(0)));
  }
  Require(h.view.enabled.at(IdCommand5));
  Require(h.display.liveContexts.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input input = Split(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckStartUp(input.fields[0]);
  CheckCustomEntry(input.fields[1], input.fields[2], input.fields[3]);
  return 0;
}
