#pragma once
// Owners for Win32 handles: each closes its handle exactly once, on every path.
#include <windows.h>

#include <utility>

namespace qb::win {

template <typename T, typename Traits>
class Unique {
 public:
  Unique() noexcept : value_(Traits::invalid()) {}
  explicit Unique(T value) noexcept : value_(value) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const noexcept { return value_; }
  bool valid() const noexcept { return value_ != Traits::invalid(); }
  explicit operator bool() const noexcept { return valid(); }

  T release() noexcept { return std::exchange(value_, Traits::invalid()); }
  void reset(T value = Traits::invalid()) noexcept {
    T old = std::exchange(value_, value);
    if (old != Traits::invalid()) Traits::close(old);
  }
  // For out-parameters: drops the current value and hands out its slot.
  T* put() noexcept {
    reset();
    return &value_;
  }

 private:
  T value_;
};

struct FileTraits {
  static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) noexcept { ::CloseHandle(h); }
};
struct KernelTraits {
  static HANDLE invalid() noexcept { return nullptr; }
  static void close(HANDLE h) noexcept { ::CloseHandle(h); }
};
struct FindTraits {
  static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) noexcept { ::FindClose(h); }
};
struct RegKeyTraits {
  static HKEY invalid() noexcept { return nullptr; }
  static void close(HKEY h) noexcept { ::RegCloseKey(h); }
};
struct ModuleTraits {
  static HMODULE invalid() noexcept { return nullptr; }
  static void close(HMODULE h) noexcept { ::FreeLibrary(h); }
};
struct GdiTraits {
  static HGDIOBJ invalid() noexcept { return nullptr; }
  static void close(HGDIOBJ h) noexcept { ::DeleteObject(h); }
};
struct DcTraits {
  static HDC invalid() noexcept { return nullptr; }
  static void close(HDC h) noexcept { ::DeleteDC(h); }
};
struct LocalTraits {
  static HLOCAL invalid() noexcept { return nullptr; }
  static void close(HLOCAL h) noexcept { ::LocalFree(h); }
};

using FileHandle = Unique<HANDLE, FileTraits>;      // CreateFile
using KernelHandle = Unique<HANDLE, KernelTraits>;  // processes, threads, events
using FindHandle = Unique<HANDLE, FindTraits>;      // FindFirstFile
using RegKey = Unique<HKEY, RegKeyTraits>;
using Module = Unique<HMODULE, ModuleTraits>;       // LoadLibrary
using GdiObject = Unique<HGDIOBJ, GdiTraits>;       // pens, brushes, bitmaps, fonts, regions
using MemoryDc = Unique<HDC, DcTraits>;             // CreateCompatibleDC / CreateDC
using LocalMemory = Unique<HLOCAL, LocalTraits>;    // FormatMessage buffers

// A DC obtained with GetDC, handed back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC and selects the previous one back on scope exit.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace qb::win
