// Builds the Win32 services and the main window, runs start-up, then waits
// for the user.
#include <windows.h>

#include "core/mainwindow/MainWindowBehaviour.h"
#include "win32/display/Win32DisplaySettings.h"
#include "win32/mainwindow/Win32MainWindow.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Shell.h"
#include "win32/toolkit/Win32Toolkit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  ilvorande::Win32DisplaySettings display;
  ilvorande::Win32Toolkit toolkit;
  ilvorande::Win32Shell shell;
  ilvorande::Win32MainWindow window(instance, toolkit, shell);
  ilvorande::MainWindowBehaviour behaviour(window, display, toolkit, shell);
  window.Attach(behaviour);

  behaviour.Load();
  if (!window.Show(showCommand)) return 1;
  return ilvorande::RunMessageLoop();
}
