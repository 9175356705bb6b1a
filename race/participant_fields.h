// The live stage's tables take the rally participants' fields by driver name, and the
// drivers on the stage are checked for radio frequencies they share.
#pragma once

#include "race/event_records.h"
#include "race/stage_timing.h"

// The first frequency code of drivers on spread-spectrum radios, which never conflict.
inline constexpr const char* kSpreadSpectrumFrequency = "2.4Ghz";

// 1 when two drivers on the stage share a first frequency code that is neither empty nor
// kSpreadSpectrumFrequency, else initial (callers pass 0).
int CheckFrequencyConflicts(const StageEntry entries[kMaxParticipants],
                            const ParticipantRecord participants[kMaxParticipants], int initial);

// Each row whose name is a participant's takes that participant's field (the last
// participant of the name); a row that matches nobody keeps its field.
void CopyCarNumbersToDisplayRows(StageDisplayRow rows[kMaxParticipants],
                                 const ParticipantRecord participants[kMaxParticipants]);
void CopyCarCategoriesToDisplayRows(StageDisplayRow rows[kMaxParticipants],
                                    const ParticipantRecord participants[kMaxParticipants]);
void CopyTeamsToDisplayRows(StageDisplayRow rows[kMaxParticipants],
                            const ParticipantRecord participants[kMaxParticipants]);
void CopyTranspondersToStageEntries(StageEntry entries[kMaxParticipants],
                                    const ParticipantRecord participants[kMaxParticipants]);
