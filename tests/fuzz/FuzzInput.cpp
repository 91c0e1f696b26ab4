// Arbitrary command lines and typed-in sizes to their readers, and the
// properties every input keeps; the whole start-up, which costs far more, only
// on the inputs whose length is a multiple of StartUpLengthDivisor.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/mainwindow/CommandLine.h"
#include "core/mainwindow/CustomNumber.h"
#include "tests/fakes/FakeViews.h"

using namespace ilvorande;
using namespace ilvorande::testing;

namespace {

constexpr unsigned StartUpLengthDivisor = 16;

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

std::optional<std::int32_t> IfInRange(std::int64_t value) {
  return std::in_range<std::int32_t>(value) ? std::optional(static_cast<std::int32_t>(value))
                                            : std::nullopt;
}

// A whole number from the bytes, between blanks (spaces and tabs), reads as
// itself with no fraction or zeros after the separator in use, as its even
// neighbour away from zero after ".5"; as nothing beyond 32 bits.
void CheckWrittenNumbers(std::string_view bytes, std::string_view separatorField) {
  constexpr std::uint64_t MostBlanks = 3, ZeroChoices = 3, SignChoices = 2;
  constexpr std::int64_t Beyond32Bits = std::int64_t{1} << 32;
  // The next bytes as one number; zeros once they run out.
  const auto draw = [&bytes](int count) {
    std::uint64_t value = 0;
    for (; count > 0; --count, bytes.remove_prefix(bytes.empty() ? 0 : 1))
      value = value << CHAR_BIT | (bytes.empty() ? 0u : static_cast<unsigned char>(bytes[0]));
    return value;
  };
  std::string blanks[2];  // before and after
  for (auto& side : blanks) {
    const std::uint64_t shape = draw(1), tabs = shape / (MostBlanks + 1);
    for (std::uint64_t i = 0; i < shape % (MostBlanks + 1); ++i) side += tabs >> i & 1 ? '\t' : ' ';
  }
  const std::uint64_t form = draw(1);
  const auto zeros = std::string(form % ZeroChoices, '0');
  const bool plus = form / ZeroChoices % SignChoices == 1;
  // Within 32 bits unless the bytes go on past the number.
  std::int64_t value = static_cast<std::int32_t>(draw(4));
  value += static_cast<std::int8_t>(draw(1)) * Beyond32Bits;
  const std::string separator = separatorField.starts_with(',') ? "," : ".";
  const std::string digits = (value >= 0 && plus ? "+" : "") + std::to_string(value);

  for (const std::string& fraction : {std::string(), separator, separator + "0" + zeros})
    Require(ConvertCustomNumber(blanks[0] + digits + fraction + blanks[1], separator) ==
            IfInRange(value));
  const std::int64_t magnitude = value < 0 ? -value : value;
  const std::int64_t even = magnitude % 2 == 0 ? magnitude : magnitude + 1;
  Require(ConvertCustomNumber(blanks[0] + digits + separator + "5" + zeros + blanks[1],
                              separator) == IfInRange(value < 0 ? -even : even));
}

// Help twice and one switch at most; an end only after a switch or a missing screen.
void CheckStartUp(const Input& input) {
  MainHarness h;
  FakeSystem& system = h.system;
  FakeMainView& view = h.view;
  system.commandLine = input.fields[0];
  system.decimalSeparator = input.fields[3];
  system.screens = {{1, true, 1600, 1200, 32}, {2, false, 1024, 768, 16}};
  const bool goesOn = h.Load();

  Require(system.messages.size() <= 2);
  Require(system.switches.size() <= 1);
  const bool pressed = view.enabled.contains(MainControl::RestoreButton);
  const bool missingScreen =
      !system.messages.empty() && system.messages.back().text.ends_with(" n'est pas branché.");
  if (input.fields[0].empty()) Require(system.messages.empty() && !pressed);
  if (!pressed) Require(system.switches.empty());
  if (!pressed && !missingScreen) Require(goesOn && !view.minimized);
  Require(goesOn == system.exitCodes.empty() && goesOn != view.closed);
  if (goesOn) Require(!view.texts[MainControl::ModeInForce].empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input input = Split(std::string_view(reinterpret_cast<const char*>(data), size));
  // Without a fault the sanitizers would see.
  (void)ParseCommandLine(input.fields[0]);
  (void)ConvertCustomNumber(input.fields[1], input.fields[3]);
  (void)ConvertCustomNumber(input.fields[2], input.fields[3]);
  CheckWrittenNumbers(input.fields[1], input.fields[3]);
  if (size % StartUpLengthDivisor == 0) CheckStartUp(input);
  return 0;
}
