#include "core/toolkit/ArgumentPart.h"

namespace ilvorande {

namespace {

bool IsSeparator(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string_view ArgumentPart(std::string_view fullCommandLine) {
  std::size_t end = 0;
  if (fullCommandLine.starts_with('"')) {
    const auto closing = fullCommandLine.find('"', 1);
    end = closing == std::string_view::npos ? fullCommandLine.size() : closing + 1;
  } else {
    while (end < fullCommandLine.size() && !IsSeparator(fullCommandLine[end])) ++end;
  }
  auto arguments = fullCommandLine.substr(end);
  if (!arguments.empty() && IsSeparator(arguments.front())) arguments.remove_prefix(1);
  return arguments;
}

}  // namespace ilvorande
