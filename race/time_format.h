// Splitting and writing times in milliseconds, shared by the live table, the clocks and the
// classifications.
#pragma once

#include <cstddef>
#include <cstdint>

// Splits a time into hours, minutes, seconds and milliseconds; every division truncates
// toward zero, so a negative time gives parts that are all 0 or negative.
void SplitMilliseconds(int time, int* hours, int* minutes, int* seconds, int* millis);

// Writes "%d:%02d:%02d.%03d" when there are hours, "%d:%02d.%03d" when there are minutes,
// else "%d.%03d", cut to the buffer (always terminated; a size of 0 writes nothing).
void FormatTime(char* text, std::size_t size, int hours, int minutes, int seconds, int millis);
template <std::size_t N>
void FormatTime(char (&text)[N], int hours, int minutes, int seconds, int millis) {
  FormatTime(text, N, hours, minutes, seconds, millis);
}

// Arithmetic on times that must not overflow: sums and differences are taken in 64 bits
// and brought back into the range of a time.
int ClampToTime(std::int64_t value);

// Milliseconds from tick a to tick b of a 32-bit clock (tick count, the low bits of a pass
// time), as a signed value: correct across a wrap of the clock.
inline int TickDifference(std::uint32_t from, std::uint32_t to) {
  return static_cast<int>(static_cast<std::int32_t>(to - from));
}
