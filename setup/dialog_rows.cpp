#include "setup/dialog_rows.h"

void RowShifts(const int* tops, const int* floors, int count, int* shifts) {
  long long shift = 0;
  for (int r = 0; r < count; ++r) {
    // In long long: a floor of INT_MIN (none) under any top asks nothing.
    const long long asked = static_cast<long long>(floors[r]) - tops[r];
    if (asked > shift) shift = asked;
    shifts[r] = static_cast<int>(shift);
  }
}
