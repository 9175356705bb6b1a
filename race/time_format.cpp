#include "race/time_format.h"

#include <cstdio>
#include <limits>

void SplitMilliseconds(int time, int* hours, int* minutes, int* seconds, int* millis) {
  int h = time / 3600000;
  int rest = time - h * 3600000;
  int m = rest / 60000;
  rest -= m * 60000;
  int s = rest / 1000;
  *hours = h;
  *minutes = m;
  *seconds = s;
  *millis = rest - s * 1000;
}

void FormatTime(char* text, std::size_t size, int hours, int minutes, int seconds, int millis) {
  if (size == 0) return;
  if (hours != 0) {
    std::snprintf(text, size, "%d:%02d:%02d.%03d", hours, minutes, seconds, millis);
  } else if (minutes != 0) {
    std::snprintf(text, size, "%d:%02d.%03d", minutes, seconds, millis);
  } else {
    std::snprintf(text, size, "%d.%03d", seconds, millis);
  }
}

int ClampToTime(std::int64_t value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}
