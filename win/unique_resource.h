#pragma once
// One owner for every kind of Windows resource: it closes its value exactly once, on every path.
// The close function and the value that means "none" come from a traits type, one line per kind.

#include <utility>

#include <windows.h>
#include <shtypes.h>

namespace pelmora::win {

template <typename Traits>
class UniqueResource {
 public:
  using Type = typename Traits::Type;

  UniqueResource() = default;
  explicit UniqueResource(Type value) : value_(value) {}
  ~UniqueResource() { reset(); }

  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Type get() const { return value_; }
  bool valid() const { return value_ != Traits::invalid(); }
  explicit operator bool() const { return valid(); }

  // Gives up ownership without closing.
  Type release() { return std::exchange(value_, Traits::invalid()); }

  // Closes the value held, if any, and takes the new one. The caller's last-error code survives,
  // so a failure can still be asked about after its handles have been closed.
  void reset(Type value = Traits::invalid()) {
    if (valid()) {
      const DWORD error = GetLastError();
      Traits::close(value_);
      SetLastError(error);
    }
    value_ = value;
  }

  // For an out-parameter: closes what is held first, so a reused owner never leaks.
  Type* put() {
    reset();
    return &value_;
  }

 private:
  Type value_ = Traits::invalid();
};

// Process and thread handles: none is null.
struct HandleTraits {
  using Type = HANDLE;
  static Type invalid() { return nullptr; }
  static void close(Type h) { CloseHandle(h); }
};
using UniqueHandle = UniqueResource<HandleTraits>;

// Tool-help snapshots and files: none is INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type h) { CloseHandle(h); }
};
using UniqueFileHandle = UniqueResource<FileHandleTraits>;

struct RegistryKeyTraits {
  using Type = HKEY;
  static Type invalid() { return nullptr; }
  static void close(Type key) { RegCloseKey(key); }
};
using UniqueRegistryKey = UniqueResource<RegistryKeyTraits>;

struct IconTraits {
  using Type = HICON;
  static Type invalid() { return nullptr; }
  static void close(Type icon) { DestroyIcon(icon); }
};
using UniqueIcon = UniqueResource<IconTraits>;

// An item list that the shell allocated (the browse dialog's choice): freed through the shell's
// allocator, and not at all when that can't be had.
struct ItemListTraits {
  using Type = PIDLIST_ABSOLUTE;
  static Type invalid() { return nullptr; }
  static void close(Type list);
};
using UniqueItemList = UniqueResource<ItemListTraits>;

// A top-level window. One that the user closes is destroyed without its owner's help, so the owner
// must release() it when the window reports WM_NCDESTROY.
struct WindowTraits {
  using Type = HWND;
  static Type invalid() { return nullptr; }
  static void close(Type window) { DestroyWindow(window); }
};
using UniqueWindow = UniqueResource<WindowTraits>;

}  // namespace pelmora::win
