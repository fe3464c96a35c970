#pragma once
// Owners for the kinds of resource that only the test driver holds, on the program's one owner
// template.

#include <utility>

#include <windows.h>

#include "win/unique_resource.h"

namespace pelmora::e2e {

struct GdiObjectTraits {
  using Type = HGDIOBJ;
  static Type invalid() { return nullptr; }
  static void close(Type object) { DeleteObject(object); }
};
using UniqueGdiObject = win::UniqueResource<GdiObjectTraits>;

// A memory device context of our own (CreateCompatibleDC).
struct MemoryDcTraits {
  using Type = HDC;
  static Type invalid() { return nullptr; }
  static void close(Type dc) { DeleteDC(dc); }
};
using UniqueMemoryDc = win::UniqueResource<MemoryDcTraits>;

// The screen's device context (GetDC of no window).
struct ScreenDcTraits {
  using Type = HDC;
  static Type invalid() { return nullptr; }
  static void close(Type dc) { ReleaseDC(nullptr, dc); }
};
using UniqueScreenDc = win::UniqueResource<ScreenDcTraits>;

// Memory allocated inside another process (VirtualAllocEx), with the process it lives in.
struct RemoteMemoryTraits {
  using Type = std::pair<HANDLE, void*>;
  static Type invalid() { return {nullptr, nullptr}; }
  static void close(Type memory) { VirtualFreeEx(memory.first, memory.second, 0, MEM_RELEASE); }
};
using UniqueRemoteMemory = win::UniqueResource<RemoteMemoryTraits>;

// A module loaded for its resources alone.
struct LibraryTraits {
  using Type = HMODULE;
  static Type invalid() { return nullptr; }
  static void close(Type module) { FreeLibrary(module); }
};
using UniqueLibrary = win::UniqueResource<LibraryTraits>;

struct FindHandleTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type find) { FindClose(find); }
};
using UniqueFindHandle = win::UniqueResource<FindHandleTraits>;

}  // namespace pelmora::e2e
