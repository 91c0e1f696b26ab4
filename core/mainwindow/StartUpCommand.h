// Runs the command line at start-up: "/4F" presses mode button 4 for the
// primary screen and ends the program, "/4@2M" presses it for screen 2 and
// minimises the window.
#pragma once

namespace ilvorande {

class MainWindowBehaviour;
class MainWindowView;
class ScreenSwitcher;
class Toolkit;

// Never returns when the command line ends the program.
void RunStartUpCommand(MainWindowBehaviour& window, MainWindowView& view, ScreenSwitcher& screens,
                       Toolkit& toolkit);

}  // namespace ilvorande
