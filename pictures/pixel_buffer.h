// The bytes of a decoded picture's pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace wufu::pictures {

// An allocator whose vectors leave new elements unset when they grow without a value. Every
// decoder writes each pixel before it hands out a picture (a decode that stops early gives no
// picture), so clearing the buffer first would only add a pass over it.
template <class T>
struct UnclearedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UnclearedAllocator<U>;
  };

  UnclearedAllocator() = default;
  template <class U>
  UnclearedAllocator(const UnclearedAllocator<U>&) noexcept {}

  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using PixelBuffer = std::vector<std::uint8_t, UnclearedAllocator<std::uint8_t>>;

}  // namespace wufu::pictures
