#include "mainwindow/Ilvorande.h"

namespace ilvorande {

namespace {

constexpr int ExitSuccess = 0;

}  // namespace

void Ilvorande::Command1_Click() {
  ShowCommandHelp();
}

void Ilvorande::Command2_Click() {
  view_.ShowAboutModal();
}

void Ilvorande::Command3_Click() {
  Unload();
  ended_ = true;
  toolkit_.End(ExitSuccess);
}

void Ilvorande::Form_Unload(int& /*Cancel*/) {
  // Normally empty already: the restore releases its own context.
  DisplayDC.reset();
}

void Ilvorande::Unload() {
  int cancel = 0;
  Form_Unload(cancel);
  if (cancel == 0) view_.Destroy();
}

}  // namespace ilvorande
