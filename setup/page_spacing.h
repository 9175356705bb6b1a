// Where the texts along a line of a painted or printed page stand when one needs more room
// than the layout gives it, as a longer text of another language does: a text keeps its
// place unless the text before it would end closer than two blanks to it; it then stands two
// blanks past that end, and what goes with it (a column's rows, a flag, the values of a
// group of labels) moves as much. A table's columns also stay within its frame.
#pragma once

#include <climits>
#include <vector>

// How a text stands on its x: its left end, its right end or its centre there.
enum class Align { Left, Right, Centre };

// Where a text that the layout starts at x stands when the text before it ends at end.
inline int StartAfter(int end, int gap, int x) { return end + gap > x ? end + gap : x; }

// What a text or a column takes along its line, from left to right; nothing when right is
// not past left.
struct Span {
  int left, right;
  bool Empty() const { return right <= left; }
};
// A text of that width on x as aligned.
Span SpanOf(int x, Align align, int width);
// What both take; an empty span adds nothing.
Span Joined(const Span& a, const Span& b);

// How far each of columns, given in their order along the line, moves: right so that each
// starts at least gap past the end of the one before it as moved, the layout's place kept
// wherever it has the room; then, when the last one would end past rightLimit, the columns
// move back left as little as lets each end gap before the next one and the last within the
// limit, none starting before leftLimit. A line that cannot hold its columns within the limits
// keeps them apart and runs past the right one. An empty column takes no room.
std::vector<int> SpacingShifts(const std::vector<Span>& columns, int gap, int leftLimit = INT_MIN,
                               int rightLimit = INT_MAX);
