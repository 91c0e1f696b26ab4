// Builds the Win32 services and the main window, runs start-up, then waits
// for the user.
#include <windows.h>

#include "display/Win32Display.h"
#include "mainwindow/Ilvorande.h"
#include "mainwindow/Win32MainWindow.h"
#include "shortcuts/Win32Shell.h"
#include "toolkit/Win32MessageLoop.h"
#include "toolkit/Win32Toolkit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  ilvorande::Win32Display display;
  ilvorande::Win32Toolkit toolkit;
  ilvorande::Win32Shell shell;
  const auto window = ilvorande::Win32MainWindow::Create(instance, toolkit, shell);
  if (!window) return 1;
  ilvorande::Ilvorande form(display, toolkit, *window, shell);
  window->Attach(form);

  form.Form_Load();
  if (form.Ended()) return 0;
  if (!window->Show(showCommand)) return 1;
  return ilvorande::RunMessageLoop();
}
