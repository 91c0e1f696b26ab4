// The main window's class, frame and control styles, which the benchmark's
// reference takes too.
#pragma once

#include "core/mainwindow/MainControlIds.h"
#include "win32/toolkit/LayoutWindow.h"

namespace ilvorande {

inline constexpr WindowLook MainLook{
    MainWindowClassName, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, ControlStyles{BS_PUSHBUTTON | BS_MULTILINE, 0}};

}  // namespace ilvorande
