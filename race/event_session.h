// The main window's work on the event, without the windows: a fresh event, the crash copy,
// loading and leaving a special stage, New, Load and Save, rallies and special stages.
// Each step works on the process-wide tables and the working event file and tells the
// operator about failures through platform::ShowMessage.
#pragma once

#include "platform/message_box.h"
#include "race/main_state.h"

// Stage defaults: standard start, 60 s interval, no rest, 250 h maximum, "Dry", 2 s.
void SetStageDefaults(MainState& state);
// Clears the rallies, the participant names and the tree-view flags.
void ClearEvent(MainState& state);
// The fresh one-rally event in memory and in the working file.
void StartFreshEvent(platform::WindowHandle owner, MainState& state);
// Fills the column widths from the display settings and the late-start switch.
void FillColumnWidths(MainState& state);
void PrepareRaceScreenTexts(MainState& state);

enum class CrashCopy { NoWorkingFile, FreshEventKept, Copied, Failed };
// Keeps the previous run's working event in "DoVorodIvar.rall" unless it is still a fresh,
// untouched event (a second start after a crash must not replace the crashed event's copy).
CrashCopy KeepCrashCopy(platform::WindowHandle owner);
// True when the file holds a fresh event: one rally of the default name, no participant,
// no stage, only the tree-view flags section and every flag 0.
bool IsUntouchedFreshEvent(const char* path);

// Whether some real entry has a stage time or a state other than 0.
bool StageEntriesHaveResults(const StageEntry entries[kMaxParticipants]);

struct LeftStage {
  bool saved;        // the stage was written
  int image;         // the stage item's new image when saved
};
// Leaving the loaded stage: saves it when it is loaded and has results.
LeftStage SaveLoadedStage(platform::WindowHandle owner, MainState& state);
// Empties the live table and the loaded stage (the windows redraw themselves).
void UnloadStage(MainState& state);
// Loads stage k of rally r for timing.
void LoadStageForTiming(platform::WindowHandle owner, MainState& state, int rally, int stage);

// Copies the working file to path; on success also the event penalties. False with a
// message when the copy failed.
bool SaveEventTo(platform::WindowHandle owner, MainState& state, const char* path);
// The path that "Save as..." keeps: ".rall" appended when missing, within 260 bytes.
// False when the result would not fit.
bool SaveAsPath(const char* chosen, char (&path)[kEventPathSize]);
// Copies path over the working file and reads the event from it. False with a message when
// the copy failed; the tables are then as they were.
bool LoadEventFrom(platform::WindowHandle owner, MainState& state, const char* path);

// Rallies and stages. Each returns false when nothing changed.
bool AddRally(platform::WindowHandle owner, MainState& state);
bool AddSpecialStage(platform::WindowHandle owner, MainState& state, int rally);
bool SetPowerStage(platform::WindowHandle owner, MainState& state, int rally, int stage, bool powerStage);
bool SetStageRemoved(platform::WindowHandle owner, MainState& state, int rally, int stage, bool removed);
bool RenameRally(platform::WindowHandle owner, MainState& state, int rally, const char* name);
// The stage title of the race screen for stage k of rally r.
void SetStageTitleText(MainState& state, int rally, int stage);

// Rewrites the header line with the selection, the rally count and the rallies.
bool RewriteHeader(platform::WindowHandle owner, const MainState& state);
bool RewriteTreeviewFlags(platform::WindowHandle owner, const MainState& state);

// Late start of the entries that have started, by the rule of the first pass: later than
// the critical delay, and with the WRC start an early one too.
void RecomputeLateStarts(MainState& state);
// Re-reads the header and the current rally's participant names after the participants
// dialog; true when the rally has no special stage yet.
bool ReloadAfterParticipantsDialog(platform::WindowHandle owner, MainState& state);
// Reads the stage parameters of the current rally again.
void ReloadRallyParameters(platform::WindowHandle owner, MainState& state);
// Short re-rank: from the fastest time on, on the ranking copy as it stands.
void ShortRerank(MainState& state);
