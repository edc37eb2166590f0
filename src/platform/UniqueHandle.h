#pragma once

#include <utility>

namespace brimdock {

// Sole owner of one handle, closed when the owner goes or takes another. Traits supplies
//   using Handle = ...;                       the handle type
//   static Handle Invalid() noexcept;         the value that holds nothing
//   static bool Close(Handle) noexcept;       closes a held handle, false when that failed
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  [[nodiscard]] Handle Get() const noexcept { return handle_; }
  [[nodiscard]] explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  // Gives the handle up without closing it.
  [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

  // Closes the held handle and holds the given one; false when closing failed. Taking the
  // handle already held keeps it open.
  bool Reset(Handle handle = Traits::Invalid()) noexcept {
    if (handle == handle_) return true;
    const Handle old = std::exchange(handle_, handle);
    return old == Traits::Invalid() || Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

}  // namespace brimdock
