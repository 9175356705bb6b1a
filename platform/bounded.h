// Copies into fixed-width fields: never past the field, always terminated.
#pragma once

#include <cstddef>
#include <cstring>

namespace platform {

// Copies at most size - 1 bytes of src into dst and terminates it; returns the number of
// bytes copied. A size of 0 writes nothing.
inline std::size_t CopyBounded(char* dst, std::size_t size, const char* src) {
  if (size == 0) return 0;
  std::size_t n = 0;
  if (src) {
    while (n + 1 < size && src[n] != '\0') {
      dst[n] = src[n];
      ++n;
    }
  }
  dst[n] = '\0';
  return n;
}

template <std::size_t N>
std::size_t CopyBounded(char (&dst)[N], const char* src) {
  return CopyBounded(dst, N, src);
}

// Clears a fixed-size field before it is filled.
inline void ZeroBytes(void* buffer, std::size_t n) { std::memset(buffer, 0, n); }

}  // namespace platform
