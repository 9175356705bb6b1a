#include "setup/page_spacing.h"

Span SpanOf(int x, Align align, int width) {
  switch (align) {
    case Align::Right: return {x - width, x};
    case Align::Centre: return {x - width / 2, x - width / 2 + width};
    case Align::Left: break;
  }
  return {x, x + width};
}

Span Joined(const Span& a, const Span& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {a.left < b.left ? a.left : b.left, a.right > b.right ? a.right : b.right};
}

std::vector<int> SpacingShifts(const std::vector<Span>& columns, int gap, int leftLimit, int rightLimit) {
  std::vector<int> shifts(columns.size(), 0);
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (!columns[i].Empty()) shown.push_back(i);
  }
  if (shown.empty()) return shifts;
  for (std::size_t k = 1; k < shown.size(); ++k) {
    const Span& before = columns[shown[k - 1]];
    const Span& column = columns[shown[k]];
    shifts[shown[k]] = StartAfter(before.right + shifts[shown[k - 1]], gap, column.left) - column.left;
  }
  std::vector<int> pulled = shifts;
  int limit = rightLimit;
  for (std::size_t k = shown.size(); k-- > 0;) {
    const std::size_t i = shown[k];
    const int right = columns[i].right + pulled[i];
    if (right > limit) pulled[i] -= right - limit;
    limit = columns[i].left + pulled[i] - gap;
  }
  if (columns[shown[0]].left + pulled[shown[0]] < leftLimit) return shifts;
  return pulled;
}
