// A view of a table lent from one subsystem to another: a pointer and a length,
// as std::span would hold them, for compilers in C++17 mode.
#pragma once
#include <cstddef>

template <class T> class Span {
public:
  constexpr Span() = default;
  constexpr Span(T *first, std::size_t count) : first_(first), count_(count) {}

  // The first element, or null for an empty view.
  constexpr T *data() const { return first_; }
  // How many elements the view holds.
  constexpr std::size_t size() const { return count_; }

private:
  T *first_ = nullptr;
  std::size_t count_ = 0;
};
