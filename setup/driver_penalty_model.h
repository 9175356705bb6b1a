// The driver penalty dialog's rules: its private penalty list read from the event file, the
// list items, the opening selection and what a selection does to the driver's entry.
#pragma once

#include "platform/message_box.h"
#include "race/penalty_record.h"
#include "race/stage_timing.h"

// Opens the event file and reads its penalty list; the abandon "A" is always record 0.
// A missing file or section is reported and leaves the abandon alone.
void LoadDriverPenaltyList(platform::WindowHandle owner, PenaltyRecord list[kMaxPenalties]);
// List item 0 is "No penalty", item i the record i - 1. The item that shows state.
int OpeningPenaltyItem(int state, const PenaltyRecord list[kMaxPenalties]);
// The record that a state stands for, or nullptr.
const PenaltyRecord* PenaltyOfState(int state, const PenaltyRecord list[kMaxPenalties]);
// Item chosen: a penalty or abandon, or "No penalty", which finishes only a driver who
// carried a penalty.
void ApplyPenaltyItem(StageEntry* entry, int item);
// The effect text of a record's kind, empty for an unknown kind.
void PenaltyEffectText(const PenaltyRecord& record, char* text, int size);
