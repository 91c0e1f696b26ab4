// Feeds arbitrary command lines and typed-in sizes to the code that reads
// them, and checks the properties that every input must keep. The pure
// readers take every input; the whole start-up, with the system in memory,
// takes one input in WholeStartUpShare, as it costs far more.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/mainwindow/CommandLine.h"
#include "core/mainwindow/CustomNumber.h"
#include "core/mainwindow/MainWindow.h"
#include "tests/fakes/FakeSystem.h"
#include "tests/fakes/FakeViews.h"

using namespace ilvorande;
using namespace ilvorande::testing;

namespace {

constexpr unsigned WholeStartUpShare = 16;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Fields separated by NUL: command line, width text, height text, separator.
struct Input {
  std::string_view fields[4];
};

Input Split(std::string_view data) {
  Input input;
  for (auto& field : input.fields) {
    const auto end = data.find('\0');
    field = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
  }
  if (input.fields[3].empty()) input.fields[3] = ".";
  return input;
}

// A converted number reads back as itself.
void CheckRoundTrip(std::string_view text, std::string_view separator) {
  if (const auto value = ConvertCustomNumber(text, separator)) {
    Require(ConvertCustomNumber(std::to_string(*value), separator) == value);
  }
}

// Help at most twice, one switch at most, and the program ends only after a switch.
void CheckStartUp(const Input& input) {
  FakeSystem system;
  system.commandLine = input.fields[0];
  system.decimalSeparator = input.fields[3];
  FakeMainView view;
  MainWindow window(view, system, system, system);
  const bool goesOn = window.Load();

  Require(system.messages.size() <= 2);
  Require(system.switches.size() <= 1);
  const bool pressed = view.enabled.contains(MainControl::RestoreButton);
  if (input.fields[0].empty()) Require(system.messages.empty() && !pressed);
  if (!pressed) Require(goesOn && !view.minimized && system.switches.empty());
  Require(goesOn == system.exitCodes.empty() && goesOn != view.closed);
  if (!goesOn) return;
  Require(!view.texts[MainControl::ModeInForce].empty());

  view.texts[MainControl::WidthBox] = input.fields[1];
  view.texts[MainControl::HeightBox] = input.fields[2];
  const auto before = system.switches.size();
  window.ModeButtonClicked(8);
  const auto width = ConvertCustomNumber(input.fields[1], input.fields[3]);
  Require(system.switches.size() == before + (width ? 1 : 0));
  if (width) {
    const auto height = ConvertCustomNumber(input.fields[2], input.fields[3]).value_or(0);
    Require(system.switches.back().width == *width && system.switches.back().height == height);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input input = Split(std::string_view(reinterpret_cast<const char*>(data), size));
  // Any command line reads without a fault the sanitizers would see.
  (void)ParseCommandLine(input.fields[0]);
  CheckRoundTrip(input.fields[1], input.fields[3]);
  CheckRoundTrip(input.fields[2], input.fields[3]);
  if (size % WholeStartUpShare == 0) CheckStartUp(input);
  return 0;
}
