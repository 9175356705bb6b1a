// What the event tree shows for an event, and the rules behind its popups and labels:
// portable, so that the tree view is only their drawing.
#pragma once

#include <string>
#include <vector>

#include "race/event_records.h"

// Offsets of a TreeNodeCode within its rally (rally r has the code r * 10000).
enum TreeNodeOffset : int {
  kTrackNode = 1000,
  kRallyNode = 0,
  kDriversNode = 1000,
  kFirstParticipantNode = 1001,
  kSpecialStagesNode = 3000,
  kStartOrderNode = 3010,
  kParametersNode = 3020,
  kFirstStageNode = 3100,  // + stage number
  kClassificationsNode = 4000,
  kRallyClassificationNode = 4100,  // + stage number for a stage's classification
};

// Images of the tree's image list.
enum TreeImage : int {
  kImageSpecialStages = 0,
  kImageTrack = 1,
  kImageDrivers = 2,
  kImageParameters = 3,
  kImageStartOrder = 4,
  kImageRally = 5,
  kImageStage = 6,
  kImageClassifications = 7,
  kImageStageWithResults = 8,
};

constexpr int NodeCode(int rally, int offset) { return rally * 10000 + offset; }
// SelectedNodeKind: the code brought back to rally 1; 1000 for the Track node.
int NodeKind(int code);
// The stage 1..kMaxStages of a stage item's kind, 0 for any other kind (the selected node
// an event file gives may be any int).
int StageOfNodeKind(int kind);

struct TreeNodeSpec {
  int code;
  int parentCode;  // 0 for a root item
  int image;
  bool bold;
  std::string label;
};

struct EventView {
  const RallyRecord* rallies;
  const RallyParticipantNames* names;
  const int (*flags)[kMaxStages];
  int rallyCount;
};

// A stage is shown unless it is removed.
bool StageShown(int flag);
// Label of a stage and of its classification item.
std::string StageLabel(int flag, int stage);
std::string StageClassificationLabel(int flag, int stage);

// The whole tree in insertion order: "Track", then each rally's branch.
std::vector<TreeNodeSpec> EventTreeNodes(const EventView& event);
// Rally r's branch, the rally item first.
std::vector<TreeNodeSpec> RallyBranchNodes(const EventView& event, int rally);
// Rally r's "Classifications" with its items.
std::vector<TreeNodeSpec> ClassificationsNodes(const EventView& event, int rally);

enum class TreePopup { None, Track, Rally, Drivers, StartOrder, Parameters, SpecialStage };
TreePopup PopupForKind(int kind, int participantCount);

// The special stage popup of stage k of rally r, as it is shown.
struct StagePopupPlan {
  bool powerStageOnly;  // only "Remove Power Stage"
  bool addEnabled;
  bool createPowerStageEnabled;
  bool removeEnabled;
  std::vector<int> restorableStages;  // removed stages, offered as "Restore 'SS%d'"
};
StagePopupPlan PlanStagePopup(const int flags[kMaxStages], int stageCount, int stage);

// Tree-view flag changes.
int FlagWithPowerStage(int flag, bool powerStage);
int FlagRemoved(int flag, bool removed);
int FlagWithResults(int flag, bool hasResults);

enum class RallyNameCheck { Accepted, BadCharacters, EmptyOrLeadingBlank, TooLong };
// A rally name: letters without accents, digits, blanks, '_' and '/'; never empty nor
// beginning with a blank, which the header's reader would take for a separator; and the
// header line with it must fit its reserve.
RallyNameCheck CheckRallyName(const char* name, int selectedNode, int rallyCount,
                              const RallyRecord rallies[kMaxRallies], int rally);
