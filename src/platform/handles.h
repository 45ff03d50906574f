// One-line owning types for Win32 handles: each closes its handle exactly once,
// on every path, and can be moved but not copied.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <utility>

namespace vt {

template <typename Handle, auto Close, auto Invalid>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  Handle release() { return std::exchange(handle_, Invalid()); }
  void reset(Handle handle = Invalid()) {
    if (handle_ != Invalid()) Close(handle_);
    handle_ = handle;
  }
  // For out-parameters of Win32 calls: closes the current handle first.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Invalid();
};

namespace handle_detail {
inline HKEY NullKey() { return nullptr; }
inline HANDLE NullHandle() { return nullptr; }
inline HANDLE InvalidFileHandle() { return INVALID_HANDLE_VALUE; }
inline HMODULE NullModule() { return nullptr; }
inline void CloseKey(HKEY key) { RegCloseKey(key); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void CloseFind(HANDLE handle) { FindClose(handle); }
inline void UnloadModule(HMODULE library) { FreeLibrary(library); }
// Declared here, defined by wininet: only users of UniqueInternetHandle link it.
inline void CloseInternet(HINTERNET handle) { InternetCloseHandle(handle); }
}  // namespace handle_detail

using UniqueHkey = UniqueHandle<HKEY, handle_detail::CloseKey, handle_detail::NullKey>;
// Process, thread, token, event: null means none.
using UniqueKernelHandle = UniqueHandle<HANDLE, handle_detail::CloseKernelHandle, handle_detail::NullHandle>;
// CreateFile: INVALID_HANDLE_VALUE means none.
using UniqueFileHandle = UniqueHandle<HANDLE, handle_detail::CloseKernelHandle, handle_detail::InvalidFileHandle>;
using UniqueFindHandle = UniqueHandle<HANDLE, handle_detail::CloseFind, handle_detail::InvalidFileHandle>;
using UniqueModule = UniqueHandle<HMODULE, handle_detail::UnloadModule, handle_detail::NullModule>;
using UniqueInternetHandle = UniqueHandle<HINTERNET, handle_detail::CloseInternet, handle_detail::NullHandle>;

}  // namespace vt
