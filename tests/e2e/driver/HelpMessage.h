// The command-line help message box, as the program must show it.
#pragma once

#include <string>
#include <vector>

#include "driver/MessageDialog.h"

namespace ilvorande::e2e {

// The lines before the credit line, without their line ends.
const std::vector<std::wstring>& CommandHelpLines();

// Records a failure for every way the box differs from the help message:
// title, text line by line (each ending in CR LF), information icon, OK only.
void ExpectCommandHelp(const MessageDialog& dialog);

}  // namespace ilvorande::e2e
