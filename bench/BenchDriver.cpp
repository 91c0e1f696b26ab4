// Times the program against references that make its own calls by the
// shortest way and nothing more, one run of each after the other: "/4F" from
// start to exit, and start-up to the main window shown (and, for
// information, against a window with one button). The references carry the
// program's manifest and icon. On the two-screen display ("two-screens"),
// "/4@2F" instead, its row alone. Then the main window with its icon in the
// notification area and its keys: 200 switches, and what the program holds
// before and after them.
// Prints the rows of a Markdown table: the medians, and the median of the
// run-by-run ratios with its 95 % bootstrap interval. Never part of the tests.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ProgramObjects.h"
#include "core/display/ModePresets.h"
#include "core/resident/GlobalKeys.h"
#include "core/resident/ResidentCommand.h"

namespace {

using Clock = std::chrono::steady_clock;

std::wstring Folder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

struct Started {
  PROCESS_INFORMATION process{};
  Clock::time_point at;
};

Started Start(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  Started started;
  // Wine now and then refuses a start with ERROR_INTERNAL_ERROR while the
  // previous program is still being torn down; a later try succeeds.
  constexpr int Tries = 100;
  constexpr DWORD PauseMs = 10;
  bool created = false;
  for (int tries = 0; !created && tries < Tries; ++tries) {
    if (tries > 0) Sleep(PauseMs);
    started.at = Clock::now();
    created = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &started.process);
    if (!created && GetLastError() != ERROR_INTERNAL_ERROR) break;
  }
  if (!created) {
    std::fprintf(stderr, "cannot start %ls\n", exe.c_str());
    std::exit(2);
  }
  return started;
}

void Finish(Started& started) {
  WaitForSingleObject(started.process.hProcess, 10000);
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

double TimeToExit(const std::wstring& exe, const std::wstring& arguments) {
  Started started = Start(exe, arguments);
  WaitForSingleObject(started.process.hProcess, 30000);
  const double elapsed = Milliseconds(Clock::now() - started.at);
  Finish(started);
  return elapsed;
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
  WindowSearch search{processId, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<WindowSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner == search->processId && IsWindowVisible(window) &&
            std::wstring(name) == search->className) {
          search->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double TimeToWindow(const std::wstring& exe, const wchar_t* className) {
  Started started = Start(exe, L"");
  HWND window = nullptr;
  const auto deadline = started.at + std::chrono::seconds(30);
  while ((window = VisibleWindowOf(started.process.dwProcessId, className)) == nullptr &&
         Clock::now() < deadline) {
    Sleep(1);
  }
  const double elapsed = Milliseconds(Clock::now() - started.at);
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(started.process.hProcess, 1);
  }
  Finish(started);
  return elapsed;
}

// Back to the mode the bench found, outside the timed part; of the primary
// without a device named.
void RestoreMode(const DEVMODEW& original, const wchar_t* device = nullptr) {
  DEVMODEW mode = original;
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  ChangeDisplaySettingsExW(device, &mode, nullptr, CDS_FULLSCREEN, nullptr);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Interval {
  double low, high;
};

// Where the median of the run-by-run ratios lies, 95 times in 100: the
// ratios drawn again with replacement, many times. A fixed seed, so that one
// set of timings always prints the same interval.
Interval BootstrapInterval(const std::vector<double>& ratios) {
  constexpr int Resamples = 4000;
  constexpr double Tail = 0.025;
  constexpr unsigned Seed = 20261208;
  std::mt19937 random(Seed);
  std::uniform_int_distribution<std::size_t> pick(0, ratios.size() - 1);
  std::vector<double> medians;
  std::vector<double> sample(ratios.size());
  for (int resample = 0; resample < Resamples; ++resample) {
    for (double& ratio : sample) ratio = ratios[pick(random)];
    medians.push_back(Median(sample));
  }
  std::sort(medians.begin(), medians.end());
  const auto at = [&](double share) {
    return medians[static_cast<std::size_t>(share * Resamples)];
  };
  return {at(Tail), at(1 - Tail)};
}

// The program's and its reference's times, run by run: each pair ran one
// after the other, so that a busy moment of the machine slows both.
struct Row {
  const char* measure;
  std::vector<double> program, reference;
  std::optional<double> goal;  // none: for information
};

// The program may take at most 5 % longer than its reference.
constexpr double Goal = 1.05;

struct Window {
  std::wstring exe;
  const wchar_t* className;
  std::vector<double> times;
};

// Missed only when even the interval's low end is over the goal; met when
// its high end is within it; otherwise this run cannot tell.
const char* Verdict(const Interval& interval, double goal) {
  if (interval.low > goal) return "MISSED";
  return interval.high <= goal ? "met" : "within noise";
}

void PrintRow(const Row& row) {
  std::vector<double> ratios;
  for (std::size_t run = 0; run < row.program.size(); ++run) {
    ratios.push_back(row.program[run] / row.reference[run]);
  }
  const Interval interval = BootstrapInterval(ratios);
  std::printf("| %s | %.1f ms | %.1f ms | %.2f (%.2f to %.2f) |", row.measure, Median(row.program),
              Median(row.reference), Median(ratios), interval.low, interval.high);
  if (row.goal) {
    std::printf(" <= %.2f %s |\n", *row.goal, Verdict(interval, *row.goal));
  } else {
    std::printf(" for information |\n");
  }
}

// Screen 2 leaves 800 x 600 for 1024 x 768 in each run, and is put back
// where it was at the end.
void TwoScreenRow(const std::wstring& folder, int runs) {
  const wchar_t* const screen = L"\\\\.\\DISPLAY2";
  DEVMODEW original{};
  original.dmSize = sizeof original;
  EnumDisplaySettingsW(screen, ENUM_CURRENT_SETTINGS, &original);
  DEVMODEW before = original;
  before.dmPelsWidth = 800;
  before.dmPelsHeight = 600;
  const std::wstring program = folder + L"Ilvorande.exe";
  const std::wstring reference = folder + L"bench_MinimalScreenSwitch.exe";
  Row row{"\"/4@2F\" on two screens, start to exit", {}, {}, Goal};
  for (const std::wstring* exe : {&program, &reference}) {
    RestoreMode(before, screen);
    TimeToExit(*exe, *exe == program ? L"/4@2F" : L"");  // warm-up, untimed
  }
  for (int run = 0; run < runs; ++run) {
    const bool programFirst = run % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      RestoreMode(before, screen);
      if ((turn == 0) == programFirst) {
        row.program.push_back(TimeToExit(program, L"/4@2F"));
      } else {
        row.reference.push_back(TimeToExit(reference, L""));
      }
    }
  }
  RestoreMode(original, screen);
  PrintRow(row);
}

// Under Wine the icon is a child window of explorer's "Wine System Tray".
int WineTrayIcons() {
  const HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  int icons = 0;
  for (HWND icon = nullptr;
       tray != nullptr &&
       (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) != nullptr;) {
    ++icons;
  }
  return icons;
}

// Polls until the condition holds, handling the bench's own window's
// messages meanwhile; false at the deadline.
template <typename Condition>
bool WaitFor(Condition condition) {
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(1);
  }
  return true;
}

// From the monitor: Wine 8 answers EnumDisplaySettings' current mode from
// what the process first saw.
bool PrimaryModeIs(const ilvorande::ModePreset& preset) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor.rcMonitor.right - monitor.rcMonitor.left == preset.width &&
         monitor.rcMonitor.bottom - monitor.rcMonitor.top == preset.height;
}

// Ctrl+Alt+Maj and the key, pressed and released, to the window in front.
void PressGlobalKey(WORD key) {
  const WORD keys[] = {VK_CONTROL, VK_MENU, VK_SHIFT, key};
  INPUT inputs[2 * std::size(keys)] = {};
  for (std::size_t place = 0; place < std::size(keys); ++place) {
    INPUT& down = inputs[place];
    INPUT& up = inputs[std::size(inputs) - 1 - place];
    down.type = up.type = INPUT_KEYBOARD;
    down.ki.wVk = up.ki.wVk = keys[place];
    up.ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(std::size(inputs), inputs, sizeof(INPUT));
}

WORD GlobalKeyOf(ilvorande::ResidentCommand command) {
  for (const ilvorande::GlobalKey& key : ilvorande::ResidentGlobalKeys) {
    if (key.command == command) return static_cast<WORD>(key.virtualKey);
  }
  return 0;
}

// Two presets, neither the mode the display starts in, taken in turn, so
// that every switch changes the screen: menu 4, menu 5, key 4, key 5, ...
constexpr int ResidentPresets[] = {4, 5};
constexpr int ResidentSwitches = 200;
// Switches made before the first count: what the first of each kind creates
// once (and keeps) is no leak.
constexpr int ResidentWarmUpSwitches = 4;

// The handles that a switch by the program's own calls leaves in any
// process (Wine 8 keeps registry keys), measured in the bench's own: the
// second of two switches, as the first may open what later ones reuse.
long SystemHandlesPerSwitch(const DEVMODEW& original) {
  long handles[3] = {};
  for (int turn = 0; turn < 2; ++turn) {
    handles[turn] = HandleCount(GetCurrentProcess());
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmBitsPerPel = original.dmBitsPerPel;
    const ilvorande::ModePreset preset = *ilvorande::FindPreset(ResidentPresets[turn]);
    mode.dmPelsWidth = static_cast<DWORD>(preset.width);
    mode.dmPelsHeight = static_cast<DWORD>(preset.height);
    if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) {
      ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY);
    }
    handles[turn + 1] = HandleCount(GetCurrentProcess());
  }
  RestoreMode(original);
  return handles[2] - handles[1];
}

// Once a switch has landed the program (and Wine within it) still holds a
// few handles for a moment: counted when two counts a moment apart agree.
ProgramObjects SettledObjects(HANDLE process) {
  constexpr DWORD MomentMs = 100;
  ProgramObjects last = CountProgramObjects(process);
  WaitFor([&] {
    Sleep(MomentMs);
    const ProgramObjects now = CountProgramObjects(process);
    const bool settled = SameObjects(last, now, {0});
    last = now;
    return settled;
  });
  return last;
}

// The main window shown with its icon and keys; switches made as the icon's
// menu posts its items (WM_COMMAND with the item's id, lParam 0) and as
// Ctrl+Alt+Maj+digit pressed while the bench's own window is in front, each
// waited for on the screen. The program's GDI and USER objects and handles
// must be the same before and after.
void ResidentRow(const std::wstring& folder, const DEVMODEW& original) {
  const char* const measure = "200 switches through the menu and the keys, window open";
  const HWND front = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"Ilvorande bench",
                                     WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200, nullptr,
                                     nullptr, nullptr, nullptr);
  const long systemHandlesPerSwitch = SystemHandlesPerSwitch(original);
  const int iconsBefore = WineTrayIcons();
  Started started = Start(folder + L"Ilvorande.exe", L"");
  HWND window = nullptr;
  std::string outcome;
  ProgramObjects before{}, after{};
  bool same = false;
  const auto fail = [&](const std::string& what) { outcome = what; };
  if (!WaitFor([&] {
        window = VisibleWindowOf(started.process.dwProcessId, L"IlvorandeMain");
        return window != nullptr && WineTrayIcons() > iconsBefore;
      })) {
    fail("no window or no icon within 10 s");
  }
  for (int turn = 0; outcome.empty() && turn < ResidentWarmUpSwitches + ResidentSwitches; ++turn) {
    if (turn == ResidentWarmUpSwitches) before = SettledObjects(started.process.hProcess);
    const ilvorande::ResidentCommand command{ilvorande::ResidentAction::SwitchToPreset,
                                             ResidentPresets[turn % 2]};
    const bool byMenu = turn / 2 % 2 == 0;
    if (byMenu) {
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(*ilvorande::ResidentCommandId(command), 0), 0);
    } else {
      if (GetForegroundWindow() != front) SetForegroundWindow(front);
      PressGlobalKey(GlobalKeyOf(command));
    }
    const ilvorande::ModePreset preset = *ilvorande::FindPreset(command.index);
    if (!WaitFor([&] { return PrimaryModeIs(preset); })) {
      fail("switch " + std::to_string(turn + 1) + (byMenu ? " (menu)" : " (key)") +
           " never landed");
    }
  }
  if (outcome.empty()) {
    after = SettledObjects(started.process.hProcess);
    const SystemShare share{systemHandlesPerSwitch * ResidentSwitches};
    same = SameObjects(before, after, share);
    outcome = CompareObjects(before, after, share);
  }
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(started.process.hProcess, 1);
  }
  Finish(started);
  DestroyWindow(front);
  RestoreMode(original);
  std::printf("| %s | %s | | | same %s |\n", measure, outcome.c_str(), same ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 15;
  const std::wstring folder = Folder();
  if (argc > 2 && std::string(argv[2]) == "two-screens") {
    TwoScreenRow(folder, runs);
    return 0;
  }
  DEVMODEW original{};
  original.dmSize = sizeof original;
  EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &original);
  if (argc > 2 && std::string(argv[2]) == "resident") {  // its row alone
    ResidentRow(folder, original);
    return 0;
  }
  const std::wstring program = folder + L"Ilvorande.exe";
  const std::wstring minimalSwitch = folder + L"bench_MinimalSwitch.exe";
  // The program, the same controls, one button.
  Window windows[] = {{program, L"IlvorandeMain", {}},
                      {folder + L"bench_SameControls.exe", L"BenchSameControls", {}},
                      {folder + L"bench_MinimalWindow.exe", L"BenchMinimalWindow", {}}};

  Row switchRow{"\"/4F\", start to exit", {}, {}, Goal};
  // One warm-up of each, untimed: the first start of a prefix pays for caches.
  TimeToExit(program, L"/4F");
  RestoreMode(original);
  TimeToExit(minimalSwitch, L"");
  RestoreMode(original);
  for (const Window& window : windows) TimeToWindow(window.exe, window.className);

  for (int run = 0; run < runs; ++run) {
    // Alternate which goes first, so that neither always meets a warmer machine.
    const bool programFirst = run % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      if ((turn == 0) == programFirst) {
        switchRow.program.push_back(TimeToExit(program, L"/4F"));
      } else {
        switchRow.reference.push_back(TimeToExit(minimalSwitch, L""));
      }
      RestoreMode(original);
    }
    // Each window in turn comes first.
    for (std::size_t turn = 0; turn < std::size(windows); ++turn) {
      Window& window = windows[(turn + static_cast<std::size_t>(run)) % std::size(windows)];
      window.times.push_back(TimeToWindow(window.exe, window.className));
    }
  }
  Row windowRow{"start to main window shown, against the same calls", windows[0].times,
                windows[1].times, Goal};
  Row oneButtonRow{"start to main window shown, against one button", windows[0].times,
                   windows[2].times, std::nullopt};

  for (const Row* row : {&switchRow, &windowRow, &oneButtonRow}) PrintRow(*row);
  ResidentRow(folder, original);
  return 0;
}
