// A driver's state names his penalty by its place in the event's penalty list. When the list
// is replaced (the penalty database edited), every stored and loaded state is carried over to
// the new list by the penalty's code, so that nobody ends up with an empty or another penalty.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "race/main_state.h"
#include "race/penalty_record.h"

// The state in the new list: unchanged without a penalty (0 to 4: 4 is the abandon, first in
// every list), the same code's place in `after`, or finished (3) when `after` has no such code
// (*gone is then set).
int CarryPenaltyState(int state, const PenaltyRecord before[kMaxPenalties], const PenaltyRecord after[kMaxPenalties],
                      bool* gone);

// True when every penalty of `before` keeps its place in `after`: no state changes.
bool PenaltyPlacesKept(const PenaltyRecord before[kMaxPenalties], const PenaltyRecord after[kMaxPenalties]);

// Carries the stage sections of the working event file and the loaded stage's entries over
// from `before` to the event's list (state.eventPenalties), re-ranks the loaded stage, and
// adds to *gone one line per driver whose penalty is no longer in the list. False when the
// event file could not be opened (the operator has been told).
bool CarryPenaltiesOver(platform::WindowHandle owner, MainState& state, const PenaltyRecord before[kMaxPenalties],
                        std::vector<std::string>* gone);

// The message naming the drivers whose penalty went (at most kGoneNamesShown lines).
inline constexpr int kGoneNamesShown = 15;
std::string PenaltiesGoneMessage(const std::vector<std::string>& gone);
