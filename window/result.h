// Result of a read that can fail: the value, or where and why it failed.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace wufu {

// Where a read stopped and what it could not read. The offset counts from the start of the
// bytes being read (the whole description, or the property block).
struct ReadError {
  std::size_t offset = 0;
  std::string what;
};

template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}          // NOLINT(google-explicit-constructor)
  Result(ReadError error) : state_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  const ReadError& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, ReadError> state_;
};

}  // namespace wufu
