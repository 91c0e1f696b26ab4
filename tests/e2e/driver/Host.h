// The Linux host under Wine: its shell, its paths and its X server's screens.
#pragma once

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "driver/Program.h"

namespace ilvorande::e2e {

inline std::wstring Widen(std::string_view utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

inline std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// For the shell: the paths here hold no quote.
inline std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

// Its output if it ended with status 0, else nothing and what it wrote in `why`.
inline std::optional<std::string> RunOnHost(const std::string& script, std::string* why = nullptr) {
  wchar_t output[MAX_PATH] = {};
  GetTempFileNameW(fs::temp_directory_path().c_str(), L"sh", 0, output);
  // Not a pipe, which Wine helpers that the script starts would hold open.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const UniqueHandle file(CreateFileW(output, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                      &inherit, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = file.get();
  // Wine gives no handle for a host program: the last line says how it ended.
  std::wstring command = L"/bin/sh -c \"(" + Widen(script) + L") 2>&1; echo @@status=$?\"";
  PROCESS_INFORMATION info{};
  const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &info);
  const UniqueHandle process(info.hProcess), thread(info.hThread);
  std::string text;
  size_t end = std::string::npos;
  WaitUntil([&] {
    text = ReadBytes(output);
    return !started ||
           ((end = text.rfind("@@status=")) != std::string::npos && text.back() == '\n');
  });
  DeleteFileW(output);
  if (end != std::string::npos && text.compare(end, 11, "@@status=0\n") == 0)
    return text.substr(0, end);
  if (why != nullptr) *why = script + ": " + text;
  return std::nullopt;
}

inline std::string UnixPath(const fs::path& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* unixPath = toUnix(path.c_str());
  std::string text = unixPath != nullptr ? unixPath : "";
  HeapFree(GetProcessHeap(), 0, unixPath);
  return text;
}

using ScreenSizes = std::map<std::string, Size>;

// "DUMMY1 connected 1024x768+1600+0 ..." for each output that is on. Sizes apart: Wine places a
// screen after a switch by rules of its own.
inline ScreenSizes XrandrSizes(std::map<std::string, POINT>* places = nullptr) {
  std::istringstream text(RunOnHost("xrandr --current").value_or(""));
  static const std::regex output(R"(^(DUMMY\d+) connected (?:primary )?(\d+)x(\d+)\+(\d+)\+(\d+))");
  ScreenSizes sizes;
  std::smatch found;
  for (std::string line; std::getline(text, line);) {
    if (!std::regex_search(line, found, output)) continue;
    sizes[found[1]] = {std::stoi(found[2]), std::stoi(found[3])};
    if (places) (*places)[found[1]] = {std::stoi(found[4]), std::stoi(found[5])};
  }
  return sizes;
}

}  // namespace ilvorande::e2e
