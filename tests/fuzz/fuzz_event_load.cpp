// Loading an event as File, Load event does (any file chosen by the operator), then loading
// special stages for timing and leaving them, as selecting them in the tree does.
#include <cstdint>
#include <cstring>

#include "race/event_session.h"
#include "race/main_state.h"
#include "race/race_screen_layout.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  MainState& state = Main();
  fuzz::WriteFile("Chosen.rall", data, size);
  if (!LoadEventFrom(nullptr, state, "Chosen.rall")) fuzz::Fail("a readable event file was not loaded");
  if (state.rallyCount < 0 || state.rallyCount > kMaxRallies) fuzz::Fail("a rally count beyond the table");
  for (const auto& rally : state.participantNames)
    for (const auto& name : rally) fuzz::CheckTexts(name);

  // The selected stage, and the first stages of the first rallies.
  int selectedRally = RallyOfNode(state.selectedNode);
  int selectedStage = state.selectedNode % 10000;
  if (selectedRally >= 1 && selectedRally <= state.rallyCount && selectedStage >= 1 && selectedStage <= kMaxStages)
    LoadStageForTiming(nullptr, state, selectedRally, selectedStage);
  for (int rally = 1; rally <= state.rallyCount && rally <= 2; ++rally) {
    for (int stage = 1; stage <= state.rallies[rally - 1].stageCount && stage <= 2; ++stage) {
      LoadStageForTiming(nullptr, state, rally, stage);
      for (const StageEntry& entry : state.entries) {
        fuzz::CheckTexts(entry.name, entry.transponder);
        if (entry.state < kEntryNotStarted) fuzz::Fail("a loaded driver in a state below every known one");
        char code[4];
        PenaltyCodeForState(entry.state, state.eventPenalties, code);
      }
      RallyParameters clamped = state.parameters;
      ClampRallyParameters(&clamped);
      if (std::memcmp(&clamped, &state.parameters, sizeof clamped) != 0)
        fuzz::Fail("race parameters beyond what the dialog takes were loaded for timing");
      RecomputeLateStarts(state);
      fuzz::CheckTexts(state.stageTitleText, state.timing.startText, state.timing.comment,
                       state.timing.trackCondition, state.startOrderLabel);
      SaveLoadedStage(nullptr, state);
      UnloadStage(state);
    }
  }
  fuzz::EndInput();
  return 0;
}
