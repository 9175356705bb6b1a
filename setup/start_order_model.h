// The decisions of the start order dialog: its private copies of the rally, its
// participants and its start order, the radio conflicts, the arrows that move a driver,
// the scroll bar's rules and the section "CourseRallye%dRépartition" that Generate writes.
#pragma once

#include "platform/message_box.h"
#include "race/event_records.h"
#include "race/settings_files.h"

class SectionBody;

// The table shows 20 rows; the rows shown start at the scroll position.
inline constexpr int kStartOrderVisibleRows = 20;

struct StartOrderDialogData {
  RallyRecord rallies[kMaxRallies];
  int rallyCount;
  int selectedNode;
  int rally;  // the rally of selectedNode, or 0 when the header names none of the event's
  ParticipantRecord participants[kMaxParticipants];
  // Entry 0 starts first. Only the names come from the section; the other fields shown are
  // the participants' of the same name.
  ParticipantRecord order[kMaxParticipants];
  char label[kStartOrderLabelSize];
  TrackDetails track;  // event name without the international prefix
  char logoPath[kLogoPathSize];
};

// Opening: clears everything, then reads the header, the track details, the rally's
// participants, their ages and its start order (the section's flag replaces the header's
// has-results flag of the rally), and the logo path, with a message for each missing file
// or needed section; then completes the start order from the participants.
void LoadStartOrderData(platform::WindowHandle owner, StartOrderDialogData* data);

// Each entry takes the car, category, number, transponder, age category and frequencies of
// the participant of its name (byte for byte; the last such participant wins). An entry
// that matches nobody keeps what it had.
void CompleteStartOrder(ParticipantRecord order[kMaxParticipants],
                        const ParticipantRecord participants[kMaxParticipants]);

// The rows of the table: the rally's participant count, 0 without a rally.
int StartOrderRowCount(const StartOrderDialogData& data);
const char* StartOrderRallyName(const StartOrderDialogData& data);

// For each of the first count entries, how many of those entries (itself included) share
// its first frequency, counting up to 2; an empty code or "2.4Ghz" gives 0. The rest are 0.
void CountRadioConflicts(const ParticipantRecord order[kMaxParticipants], int count,
                         int conflicts[kMaxParticipants]);
inline bool ShowsRadioConflict(int conflictCount) { return conflictCount > 1; }

// The scroll bar: shown above 20 rows, ranging from 0 to count - 20.
inline bool StartOrderScrollShown(int count) { return count > kStartOrderVisibleRows; }
inline int StartOrderScrollMaximum(int count) {
  return count > kStartOrderVisibleRows ? count - kStartOrderVisibleRows : 0;
}
enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbPosition, Other };
// The position after a request; the thumb's position is kept within 0..maximum.
int ScrolledPosition(ScrollRequest request, int position, int maximum, int thumb);

// The table's body ends here (client pixels), and its bottom edge is drawn only when the
// last row is shown.
inline int StartOrderBodyBottom(int count) {
  int bottom = 110 + 20 * count;
  return bottom < 510 ? bottom : 510;
}
inline bool StartOrderBottomEdgeShown(int count, int first) { return count - first <= kStartOrderVisibleRows; }
// The rows shown with a down arrow (rows 0 .. n - 1) and, one further down, an up arrow.
inline int StartOrderArrowPairs(int count) {
  int pairs = count - 1;
  return pairs < 0 ? 0 : pairs > kStartOrderVisibleRows - 1 ? kStartOrderVisibleRows - 1 : pairs;
}

// The row i of the rows shown whose down arrow, or the up arrow of row i + 1, lies under the
// point (x, y) of the client area; -1 when the point is on no arrow.
int StartOrderArrowHit(int x, int y, int count);
// Entries a and b change places with every field.
void SwapStartOrderEntries(ParticipantRecord order[kMaxParticipants], int a, int b);
// A press at (x, y) with the rows shown from first: swaps the two entries of the arrow hit;
// true when one was hit.
bool MoveDriverAt(StartOrderDialogData* data, int first, int x, int y);

// The body of the section: has-results flag and label, then the 200 names.
void AddGeneratedStartOrderBody(SectionBody& body, const StartOrderDialogData& data);
// Generate: a rally without results gets one special stage in the header line, then the
// section is rewritten in place; a missing section is reported and not created. Without a
// rally nothing is written. True when the section is on disk.
bool GenerateStartOrder(platform::WindowHandle owner, StartOrderDialogData* data);
