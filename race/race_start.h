// The race controls Start (2001), Pause (2002) and Clear (2003) on the process-wide tables.
#pragma once

#include "race/race_engine.h"

enum class StartOutcome { NotLoaded, Started, NotAcknowledged };

// Starts or resumes the loaded special stage. A ZL2 that does not acknowledge the clock
// reset leaves the stage unstarted: the operator is told and gets the controls back.
StartOutcome StartStage(MainState& state, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host);
// Pauses the timed stage (also when its maximum time has run out): the rest begins, the
// clock is kept, the unfinished drivers go back to the start and the stage is written into
// the working file.
void PauseStage(MainState& state, RaceEngineState& engine, RaceEngineHost& host);
// Clears the results of the loaded stage after the operator's Yes.
void ClearStage(MainState& state, RaceEngineState& engine, RaceEngineHost& host);

// Drivers not finished (EntryState 2 or less) wait at the start again.
void PutUnfinishedBackToStart(MainState& state);
