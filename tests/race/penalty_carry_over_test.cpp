// Replacing the event's penalty list: every stored and loaded driver state follows its
// penalty's code, and a driver whose penalty went is finished with his time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/penalty_carry_over.h"
#include "race/race_screen_layout.h"
#include "tests/race/event_folder.h"

namespace {

void List(PenaltyRecord (&list)[kMaxPenalties], std::initializer_list<const char*> codes) {
  std::memset(list, 0, sizeof list);
  int i = 0;
  for (const char* code : codes) {
    platform::CopyBounded(list[i].code, code);
    list[i].kind = kPenaltyAdded;
    list[i].duration = 10 * i;
    ++i;
  }
}

std::string CodeOf(int state, const PenaltyRecord (&list)[kMaxPenalties]) {
  char code[4];
  if (state == kEntryFirstPenalty) return "A";
  return PenaltyCodeForState(state, list, code) ? code : std::to_string(state);
}

PenaltyRecord before[kMaxPenalties];
StageResultRow rows[kMaxParticipants];
MainState state;

// A stage section whose driver i has states[i] and the time 60000 + i.
std::string StageSection(int rally, int stage, std::initializer_list<int> states, int participants = 4) {
  ClearStageResultRows(rows);
  int i = 0;
  for (int s : states) {
    std::snprintf(rows[i].name, sizeof rows[i].name, "Driver %d.%d", rally, i + 1);
    rows[i].state = s;
    rows[i].time = 60000 + i;
    ++i;
  }
  SectionBody body;
  AddStageResultsBody(body, rows, 3, 90000, {"Started", "No comment", "Dry"});
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kStageResultsKey, rally, stage);
  return "\r\n" + std::string(title) + "\t\r\n" +
         testsupport::OverReserve(StageResultsReserve(participants), body.DiskBytes());
}

std::vector<int> StoredStates(const char* title, int count) {
  char start[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
  int stageState = 0, timeRun = 0;
  EXPECT_TRUE(ReadStageResults(rows, &stageState, &timeRun, start, comment, condition, title));
  std::vector<int> states;
  for (int i = 0; i < count; ++i) {
    states.push_back(rows[i].state);
    EXPECT_EQ(rows[i].time, 60000 + i) << title << " row " << i << ": the time is kept";
  }
  EXPECT_STREQ(comment, "No comment");
  return states;
}

class PenaltyCarryOver : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::InterceptMessages();
    std::memset(static_cast<void*>(&state), 0, sizeof state);
    state.rallyCount = 2;
    for (int r = 0; r < 2; ++r) {
      std::snprintf(state.rallies[r].name, sizeof state.rallies[r].name, "RALLY %d", r + 1);
      state.rallies[r].participantCount = 4;
      state.rallies[r].stageCount = 2;
    }
  }
  void TearDown() override {
    platform::test::StopInterceptingMessages();
    platform::test::ClearMessages();
  }
  testsupport::EventFolder folder;
};

TEST(PenaltyState, EachStateFollowsItsCodeAndAGonePenaltyFinishes) {
  PenaltyRecord after[kMaxPenalties];
  List(before, {"A", "PS", "P1", "P2", "P3"});
  List(after, {"A", "PS", "P3", "P1"});
  bool gone = false;
  for (int s = 0; s <= kEntryFirstPenalty + 1; ++s) {
    EXPECT_EQ(CarryPenaltyState(s, before, after, &gone), s);
    EXPECT_FALSE(gone);
  }
  EXPECT_EQ(CarryPenaltyState(6, before, after, &gone), 7);  // P1
  EXPECT_EQ(CarryPenaltyState(8, before, after, &gone), 6);  // P3
  EXPECT_FALSE(gone);
  EXPECT_EQ(CarryPenaltyState(7, before, after, &gone), kEntryFinished);  // P2 went
  EXPECT_TRUE(gone);
  // A state that pointed past the old list already named no penalty.
  EXPECT_EQ(CarryPenaltyState(20, before, after, &gone), kEntryFinished);
  EXPECT_TRUE(gone);
  EXPECT_FALSE(PenaltyPlacesKept(before, after));
  List(after, {"A", "PS", "P1", "P2", "P3", "P4"});
  EXPECT_TRUE(PenaltyPlacesKept(before, after)) << "a penalty added at the end moves nobody";
}

TEST_F(PenaltyCarryOver, StoredSectionsAndLoadedEntriesKeepTheirCodes) {
  List(before, {"A", "PS", "P1", "P2", "P3"});
  List(state.eventPenalties, {"A", "PS", "P3", "P1"});
  const std::string untouched = StageSection(2, 2, {3, 4, 5, 0});
  folder.SetBytes("header\r\n" + StageSection(1, 1, {6, 7, 8, 3}) + StageSection(1, 2, {8, 8, 0, 4}) +
                  StageSection(2, 1, {7, 3, 3, 6}) + untouched + "\r\nPisteRallye\t\r\n1\t1\t\r\n");
  // Rally 1's SS2 is loaded, with a penalty given since it was last saved.
  platform::CopyBounded(state.stage.title, "CourseRallye1ES2");
  state.timing.entryCount = 4;
  for (int i = 0; i < 4; ++i) std::snprintf(state.entries[i].name, sizeof state.entries[i].name, "Driver 1.%d", i + 1);
  state.entries[0].state = 8;
  state.entries[1].state = 7;
  state.entries[2].state = 3;
  state.entries[2].time = 61000;

  std::vector<std::string> gone;
  ASSERT_TRUE(CarryPenaltiesOver(nullptr, state, before, &gone));

  auto codes = [](const std::vector<int>& states) {
    std::vector<std::string> out;
    for (int s : states) out.push_back(CodeOf(s, state.eventPenalties));
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(codes(StoredStates("CourseRallye1ES1", 4)), (V{"P1", "3", "P3", "3"}));
  EXPECT_EQ(codes(StoredStates("CourseRallye1ES2", 4)), (V{"P3", "P3", "0", "A"}));
  EXPECT_EQ(codes(StoredStates("CourseRallye2ES1", 4)), (V{"3", "3", "3", "P1"}));
  EXPECT_NE(folder.Bytes().find(untouched), std::string::npos) << "a stage without penalties is not rewritten";
  EXPECT_EQ(CodeOf(state.entries[0].state, state.eventPenalties), "P3");
  EXPECT_EQ(state.entries[1].state, kEntryFinished);
  EXPECT_EQ(state.entries[2].time, 61000);
  // The loaded stage is ranked again with the new list.
  EXPECT_EQ(state.ranking[0].state, state.entries[0].state);

  EXPECT_EQ(gone, (V{"Driver 1.2 (RALLY 1, SS1)", "Driver 2.1 (RALLY 2, SS1)", "Driver 1.2 (RALLY 1, SS2)"}));
  std::string message = PenaltiesGoneMessage(gone);
  EXPECT_NE(message.find("Driver 2.1 (RALLY 2, SS1)\n"), std::string::npos) << message;
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST_F(PenaltyCarryOver, AListThatKeepsEveryPlaceLeavesTheFileAsItIs) {
  List(before, {"A", "PS", "P1"});
  List(state.eventPenalties, {"A", "PS", "P1", "P9"});
  folder.SetBytes("header\r\n" + StageSection(1, 1, {6, 4, 5, 3}));
  const std::string bytes = folder.Bytes();
  std::vector<std::string> gone;
  ASSERT_TRUE(CarryPenaltiesOver(nullptr, state, before, &gone));
  EXPECT_EQ(folder.Bytes(), bytes);
  EXPECT_TRUE(gone.empty());

  // More names than the message shows are counted.
  for (int i = 0; i < kGoneNamesShown + 3; ++i) gone.push_back("Driver " + std::to_string(i));
  std::string message = PenaltiesGoneMessage(gone);
  EXPECT_NE(message.find("and 3 more"), std::string::npos) << message;
  EXPECT_EQ(message.find("Driver 16"), std::string::npos);
}

// A full-size event: 9 rallies of 99 stages of 200 drivers, every stage with penalties.
TEST_F(PenaltyCarryOver, AFullSizeEventIsCarriedOverInUnderTwoSeconds) {
  List(before, {"A", "PS", "P1", "P2", "P3"});
  List(state.eventPenalties, {"A", "PS", "P3", "P1"});
  state.rallyCount = kMaxRallies;
  std::string file = "header\r\n";
  for (int r = 1; r <= kMaxRallies; ++r) {
    state.rallies[r - 1].participantCount = kMaxParticipants;
    state.rallies[r - 1].stageCount = kMaxStages;
    std::snprintf(state.rallies[r - 1].name, sizeof state.rallies[r - 1].name, "RALLY %d", r);
    for (int k = 1; k <= kMaxStages; ++k) {
      ClearStageResultRows(rows);
      for (int i = 0; i < kMaxParticipants; ++i) {
        std::snprintf(rows[i].name, sizeof rows[i].name, "Driver %03d of rally %d", i + 1, r);
        rows[i].state = i % 10 == 0 ? 6 + (i / 10) % 3 : 3;
        rows[i].time = 60000 + i;
      }
      SectionBody body;
      AddStageResultsBody(body, rows, 3, 90000, {"Started", "No comment", "Dry"});
      char title[kSectionTitleSize];
      FormatSectionTitle(title, kStageResultsKey, r, k);
      file += "\r\n" + std::string(title) + "\t\r\n" +
              testsupport::OverReserve(StageResultsReserve(kMaxParticipants), body.DiskBytes());
    }
  }
  folder.SetBytes(file);
  std::vector<std::string> gone;
  auto begin = std::chrono::steady_clock::now();
  ASSERT_TRUE(CarryPenaltiesOver(nullptr, state, before, &gone));
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  std::printf("carried %zu bytes of stages over in %.0f ms\n", file.size(), ms);
  EXPECT_LT(ms, 2000.0);
  EXPECT_EQ(gone.size(), static_cast<std::size_t>(kMaxRallies * kMaxStages * 7));
  std::vector<int> last = StoredStates("CourseRallye9ES99", kMaxParticipants);
  EXPECT_EQ(CodeOf(last[0], state.eventPenalties), "P1");
  EXPECT_EQ(last[10], kEntryFinished);
  EXPECT_EQ(CodeOf(last[20], state.eventPenalties), "P3");
}

}  // namespace
