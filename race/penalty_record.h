// A penalty of a penalty list: the penalty database, the event's own copy of it, and the
// index a driver's state points into.
#pragma once

// How a penalty changes the stage time.
enum PenaltyKind : int {
  kPenaltyGross = 1,        // the time becomes the duration
  kPenaltyAdded = 2,        // the duration is added to the driver's time
  kPenaltyAfterWinner = 3,  // best time of the stage plus the duration
  kPenaltyAfterLast = 4,    // largest time of the stage plus the duration
};

struct PenaltyRecord {
  char code[4];  // "A", "PS", "P1" .. "P99"
  char name[20];
  char description[200];  // may hold line breaks
  int duration;           // seconds
  int kind;               // PenaltyKind
};

// A list holds at most this many; it ends at its first record with an empty code.
inline constexpr int kMaxPenalties = 50;
// Every list begins with the driver abandon and the late start.
inline constexpr int kAbandonPenalty = 0;
inline constexpr int kLateStartPenalty = 1;

// The records of a list: those before its first record without a code.
inline int DefinedPenaltyCount(const PenaltyRecord list[kMaxPenalties]) {
  int count = 0;
  while (count < kMaxPenalties && list[count].code[0] != '\0') ++count;
  return count;
}
