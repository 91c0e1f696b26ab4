// A display that records every call and answers from a script. A successful
// temporary change becomes the screen's mode once messages are processed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "display/DisplayPlatform.h"

namespace ilvorande::testing {

struct ScreenState {
  std::int32_t width = 1600;
  std::int32_t height = 1200;
  std::int32_t bitsPerPixel = 32;
  // A mode applied by the system but not yet seen by the toolkit's metrics.
  bool pending = false;
  std::int32_t pendingWidth = 0;
  std::int32_t pendingHeight = 0;
};

struct ChangeCall {
  DevModeRecord record;
  std::uint32_t flags;
};

struct SentMessage {
  std::uintptr_t window;
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

class FakeDisplay : public DisplayPlatform {
 public:
  explicit FakeDisplay(ScreenState& screen) : screen_(screen) {}

  // What ChangeDisplaySettingsA answers to a temporary change.
  std::int32_t temporaryChangeResult = 0;

  std::vector<std::string> calls;
  std::vector<ChangeCall> changes;
  std::vector<SentMessage> messages;
  std::vector<std::uint32_t> exitWindowsFlags;
  std::vector<DeviceContext> liveContexts;

  void EnumDisplaySettingsA(std::uint32_t modeNumber, DevModeRecord& record) override {
    calls.push_back("EnumDisplaySettingsA " + std::to_string(modeNumber));
    // What a driver reports for its first mode: a header, a refresh rate and
    // the fields that it filled.
    record.dmSpecVersion = 0x0401;
    record.dmSize = 124;
    record.dmDriverExtra = 0;
    record.dmFields = 0x005C0000;  // depth, width, height and frequency
    record.dmBitsPerPel = 8;
    record.dmPelsWidth = 640;
    record.dmPelsHeight = 480;
    record.dmDisplayFrequency = 60;
  }

  std::int32_t ChangeDisplaySettingsA(const DevModeRecord& record, std::uint32_t flags) override {
    calls.push_back("ChangeDisplaySettingsA " + std::to_string(flags));
    changes.push_back({record, flags});
    if (flags == 4 && temporaryChangeResult == 0) {
      screen_.pending = true;
      screen_.pendingWidth = static_cast<std::int32_t>(record.dmPelsWidth);
      screen_.pendingHeight = static_cast<std::int32_t>(record.dmPelsHeight);
    }
    return flags == 4 ? temporaryChangeResult : 0;
  }

  void SendMessageA(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) override {
    calls.push_back("SendMessageA");
    messages.push_back({window, message, wParam, lParam});
  }

  void ExitWindowsEx(std::uint32_t flags, std::uint32_t /*reason*/) override {
    calls.push_back("ExitWindowsEx");
    exitWindowsFlags.push_back(flags);
  }

  DeviceContext CreateDCA() override {
    calls.push_back("CreateDCA");
    liveContexts.push_back(nextContext_);
    return nextContext_++;
  }

  std::int32_t GetDeviceCaps(DeviceContext dc, std::int32_t index) override {
    calls.push_back("GetDeviceCaps " + std::to_string(index));
    return IsLive(dc) ? screen_.bitsPerPixel : 0;
  }

  void DeleteDC(DeviceContext dc) override {
    calls.push_back("DeleteDC");
    std::erase(liveContexts, dc);
  }

 private:
  bool IsLive(DeviceContext dc) const {
    for (auto live : liveContexts) {
      if (live == dc) return true;
    }
    return false;
  }

  ScreenState& screen_;
  DeviceContext nextContext_ = 0x1000;
};

}  // namespace ilvorande::testing
