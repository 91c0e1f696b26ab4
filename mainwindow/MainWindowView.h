// What the core does to the main window and its controls. Controls are named
// by the ids of MainLayout.h; texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ilvorande {

enum class WindowState { Normal = 0, Minimized = 1 };

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // Caption of a button, label or checkbox; text of a text box.
  virtual std::string Text(int controlId) = 0;
  virtual void SetText(int controlId, std::string_view text) = 0;
  virtual void SetEnabled(int controlId, bool enabled) = 0;
  // Value of a checkbox: 0 unticked, 1 ticked.
  virtual int CheckValue(int controlId) = 0;
  virtual void SetWindowState(WindowState state) = 0;
  // Shows the window's own icon as the button's picture, above its caption.
  virtual void SetPictureToWindowIcon(int controlId) = 0;
  // Shows the About window modally; returns once it has been unloaded.
  virtual void ShowAboutModal() = 0;
  // Destroys the window; the unload handler has already run.
  virtual void Destroy() = 0;
};

}  // namespace ilvorande
