// What the main window's behaviour does to the window and its controls.
// Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/mainwindow/MainControlIds.h"

namespace ilvorande {

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // Caption of a button, label or checkbox; text of a text box.
  virtual std::string Text(MainControl control) = 0;
  virtual void SetText(MainControl control, std::string_view text) = 0;
  virtual void Enable(MainControl control) = 0;
  virtual void Disable(MainControl control) = 0;
  // The screen chooser above everything else, with these entries and the
  // chosen one selected, the window grown by its row; called again, the
  // entries are replaced.
  virtual void ShowScreenChooser(const std::vector<std::string>& entries, int chosen) = 0;
  // The chooser gone, and the window back to its one-screen layout.
  virtual void HideScreenChooser() = 0;
  // Whether the shortcut option is ticked: the preset buttons then write
  // desktop links instead of switching.
  virtual bool MakesShortcuts() = 0;
  // Minimised or normal, whatever the process was started with; without a
  // call, the window shows as the process was started. Takes effect when
  // the window shows, or at once once it has.
  virtual void SetMinimized(bool minimized) = 0;
  // Normal and in front of the others, minimised or behind them before.
  virtual void ShowNormalInFront() = 0;
  // The window's own icon above the quit button's caption.
  virtual void ShowProgramIconOnQuitButton() = 0;
  // Returns once the About window has closed.
  virtual void ShowAboutModal() = 0;
  virtual void Close() = 0;
};

}  // namespace ilvorande
