#include "race/event_tree_model.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "race/event_file.h"

namespace {

std::string Format(Text text, int value) {
  char label[64];
  std::snprintf(label, sizeof label, Tr(text), value);
  return label;
}

bool IsPowerStage(int flag) { return (flag & kStageIsPowerStage) != 0; }

}  // namespace

int NodeKind(int code) {
  if (code == kTrackNode) return kTrackNode;
  if (code >= 10000 && code <= 95000) return 10000 + code % 10000;
  return code;
}

int StageOfNodeKind(int kind) {
  constexpr int kFirst = 10000 + kFirstStageNode;
  return kind > kFirst && kind <= kFirst + kMaxStages ? kind - kFirst : 0;
}

bool StageShown(int flag) { return (flag & kStageRemoved) == 0; }

std::string StageLabel(int flag, int stage) {
  return IsPowerStage(flag) ? Tr(Text::TreePowerStage) : Format(Text::TreeStage, stage);
}

std::string StageClassificationLabel(int flag, int stage) {
  return IsPowerStage(flag) ? Tr(Text::TreeClassPowerStage) : Format(Text::TreeClassStage, stage);
}

std::vector<TreeNodeSpec> ClassificationsNodes(const EventView& event, int rally) {
  std::vector<TreeNodeSpec> nodes;
  int classifications = NodeCode(rally, kClassificationsNode);
  int parent = NodeCode(rally, kRallyNode);
  nodes.push_back({classifications, parent, kImageClassifications, false, Tr(Text::TreeClassifications)});
  nodes.push_back({NodeCode(rally, kRallyClassificationNode), classifications, kImageClassifications, false,
                   Tr(Text::TreeClassRally)});
  const RallyRecord& record = event.rallies[rally - 1];
  for (int k = 1; k <= record.stageCount && k <= kMaxStages; ++k) {
    int flag = event.flags[rally - 1][k - 1];
    if (!StageShown(flag)) continue;
    nodes.push_back({NodeCode(rally, kRallyClassificationNode + k), classifications, kImageClassifications, false,
                     StageClassificationLabel(flag, k)});
  }
  return nodes;
}

std::vector<TreeNodeSpec> RallyBranchNodes(const EventView& event, int rally) {
  std::vector<TreeNodeSpec> nodes;
  const RallyRecord& record = event.rallies[rally - 1];
  int rallyCode = NodeCode(rally, kRallyNode);
  nodes.push_back({rallyCode, 0, kImageRally, true, record.name});
  int drivers = NodeCode(rally, kDriversNode);
  nodes.push_back({drivers, rallyCode, kImageDrivers, false, Format(Text::TreeDrivers, record.participantCount)});
  for (int i = 0; i < kMaxParticipants; ++i) {
    const char* name = (*event.names)[rally - 1][i];
    if (name[0] == '\0') break;
    nodes.push_back({NodeCode(rally, kFirstParticipantNode + i), drivers, kImageDrivers, false,
                     std::string(name, strnlen(name, kDriverNameSize))});
  }
  int stages = NodeCode(rally, kSpecialStagesNode);
  nodes.push_back({stages, rallyCode, kImageSpecialStages, false, Tr(Text::TreeSpecialStages)});
  nodes.push_back({NodeCode(rally, kStartOrderNode), stages, kImageStartOrder, false, Tr(Text::TreeStartOrder)});
  nodes.push_back({NodeCode(rally, kParametersNode), stages, kImageParameters, false, Tr(Text::TreeParameters)});
  for (int k = 1; k <= record.stageCount && k <= kMaxStages; ++k) {
    int flag = event.flags[rally - 1][k - 1];
    if (!StageShown(flag)) continue;
    int image = (flag & kStageHasResults) ? kImageStageWithResults : kImageStage;
    nodes.push_back({NodeCode(rally, kFirstStageNode + k), stages, image, false, StageLabel(flag, k)});
  }
  for (auto& node : ClassificationsNodes(event, rally)) nodes.push_back(std::move(node));
  return nodes;
}

std::vector<TreeNodeSpec> EventTreeNodes(const EventView& event) {
  std::vector<TreeNodeSpec> nodes;
  nodes.push_back({kTrackNode, 0, kImageTrack, false, Tr(Text::TreeTrack)});
  for (int r = 1; r <= event.rallyCount && r <= kMaxRallies; ++r) {
    for (auto& node : RallyBranchNodes(event, r)) nodes.push_back(std::move(node));
  }
  return nodes;
}

TreePopup PopupForKind(int kind, int participantCount) {
  switch (kind) {
    case kTrackNode:
      return TreePopup::Track;
    case 10000 + kRallyNode:
      return TreePopup::Rally;
    case 10000 + kDriversNode + 0:
      return TreePopup::Drivers;
    case 10000 + kStartOrderNode:
      return participantCount > 0 ? TreePopup::StartOrder : TreePopup::None;
    case 10000 + kParametersNode:
      return participantCount > 0 ? TreePopup::Parameters : TreePopup::None;
    default:
      break;
  }
  if (StageOfNodeKind(kind) > 0) return TreePopup::SpecialStage;
  return TreePopup::None;
}

StagePopupPlan PlanStagePopup(const int flags[kMaxStages], int stageCount, int stage) {
  StagePopupPlan plan = {};
  int count = stageCount < 0 ? 0 : stageCount > kMaxStages ? kMaxStages : stageCount;
  int flag = stage >= 1 && stage <= kMaxStages ? flags[stage - 1] : 0;
  if (IsPowerStage(flag) && StageShown(flag)) {
    plan.powerStageOnly = true;
    return plan;
  }
  plan.addEnabled = count < kMaxStages;
  plan.removeEnabled = stage != 1;
  plan.createPowerStageEnabled = true;
  for (int k = 1; k <= count; ++k) {
    if (IsPowerStage(flags[k - 1])) plan.createPowerStageEnabled = false;
    if (k >= 2 && !StageShown(flags[k - 1])) plan.restorableStages.push_back(k);
  }
  return plan;
}

int FlagWithPowerStage(int flag, bool powerStage) {
  return powerStage ? flag | kStageIsPowerStage : flag & ~kStageIsPowerStage;
}
int FlagRemoved(int flag, bool removed) { return removed ? flag | kStageRemoved : flag & ~kStageRemoved; }
int FlagWithResults(int flag, bool hasResults) {
  return hasResults ? flag | kStageHasResults : flag & ~kStageHasResults;
}

RallyNameCheck CheckRallyName(const char* name, int selectedNode, int rallyCount,
                              const RallyRecord rallies[kMaxRallies], int rally) {
  for (const char* c = name; *c; ++c) {
    bool ok = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') || *c == ' ' ||
              *c == '_' || *c == '/';
    if (!ok) return RallyNameCheck::BadCharacters;
  }
  if (name[0] == '\0' || name[0] == ' ') return RallyNameCheck::EmptyOrLeadingBlank;
  if (std::strlen(name) >= static_cast<std::size_t>(kRallyNameSize)) return RallyNameCheck::TooLong;
  static RallyRecord trial[kMaxRallies];
  std::memcpy(trial, rallies, sizeof trial);
  if (rally >= 1 && rally <= kMaxRallies) std::strcpy(trial[rally - 1].name, name);
  return RallyHeaderFits(selectedNode, rallyCount, trial) ? RallyNameCheck::Accepted : RallyNameCheck::TooLong;
}
