// Checks on what a reader left in its records: every text field is terminated within its
// width (a reader that forgot would let the next field run into this one unnoticed).
#pragma once

#include <cstring>

#include "tests/fuzz/fuzz_support.h"

namespace fuzz {

template <std::size_t N>
void CheckText(const char (&field)[N]) {
  if (!std::memchr(field, 0, N)) Fail("a text field is not terminated within its width");
}

template <typename... Fields>
void CheckTexts(const Fields&... fields) {
  (CheckText(fields), ...);
}

}  // namespace fuzz
