// Owners for every Win32 handle that the program creates or borrows.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ilvorande {

// A font or a bitmap that the program owns.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct AcceleratorsDeleter {
  void operator()(HACCEL accelerators) const { DestroyAcceleratorTable(accelerators); }
};
using UniqueAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorsDeleter>;

struct HandleDeleter {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleDeleter>;

// A device context that the program created, as opposed to one borrowed
// from a window (WindowDC below): of the whole display, from CreateDCA, or
// in memory, for measuring text without a round trip to the window system.
struct CreatedDCDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using CreatedDC = std::unique_ptr<std::remove_pointer_t<HDC>, CreatedDCDeleter>;

// A window's device context from GetDC, released to its window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// One reference to a COM interface, filled by the call that hands it out
// and released at the end of the owner's scope; it is never copied, moved or
// shared (unlike the Windows library's ComPtr).
template <typename Interface>
class ScopedComReference {
 public:
  ScopedComReference() = default;
  ScopedComReference(const ScopedComReference&) = delete;
  ScopedComReference& operator=(const ScopedComReference&) = delete;
  ~ScopedComReference() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

// A text that the shell allocated, freed with the function it names.
class CoTaskText {
 public:
  using FreeFunction = void(WINAPI*)(void*);
  explicit CoTaskText(FreeFunction free) : free_(free) {}
  CoTaskText(const CoTaskText&) = delete;
  CoTaskText& operator=(const CoTaskText&) = delete;
  ~CoTaskText() {
    if (text_ != nullptr && free_ != nullptr) free_(text_);
  }
  wchar_t** out() { return &text_; }
  const wchar_t* get() const { return text_; }

 private:
  FreeFunction free_;
  wchar_t* text_ = nullptr;
};

}  // namespace ilvorande
