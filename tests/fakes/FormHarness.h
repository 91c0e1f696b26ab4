// The main window's behaviour wired to fakes, for the unit tests.
#pragma once

#include "display/ModePresets.h"
#include "mainwindow/Ilvorande.h"
#include "shortcuts/CreationRaccourci.h"
#include "tests/fakes/FakeDisplay.h"
#include "tests/fakes/FakeShell.h"
#include "tests/fakes/FakeToolkit.h"
#include "tests/fakes/FakeView.h"

namespace ilvorande::testing {

struct FormHarness {
  ScreenState screen;
  FakeDisplay display{screen};
  FakeToolkit toolkit{screen};
  FakeView view;
  FakeShell shell;
  Ilvorande form{display, toolkit, view, shell};

  std::string Caption(int controlId) const { return view.texts.at(controlId); }
  // Form_Load with no command line, then a clean record of calls.
  void Load() {
    form.Form_Load();
    display.calls.clear();
  }
};

}  // namespace ilvorande::testing
