// WM_COMMAND of the main window: the menu bar, the tree's popups and the race controls.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/shell.h"
#include "race/command_ids.h"
#include "race/dialog_table.h"
#include "race/event_session.h"
#include "race/participant_fields.h"
#include "race/penalty_carry_over.h"
#include "race/event_tree.h"
#include "race/event_tree_model.h"
#include "race/main_window.h"
#include "race/main_window_actions.h"
#include "race/main_window_paint.h"
#include "race/menus.h"
#include "race/race_engine.h"
#include "race/race_engine_win32.h"
#include "race/race_controls_layout.h"
#include "race/setup_follow_ups.h"
#include "race/start_lights_window.h"
#include "race/startup.h"

namespace {

void Error(HWND window, Text text, unsigned icon = 0) {
  platform::ShowMessage(window, Tr(text), Tr(Text::CaptionError), platform::kMbOk | icon);
}

void SetEventTitle(HWND window, const char* path) {
  char title[280];
  if (path && path[0]) std::snprintf(title, sizeof title, "%s:   %s", kMainWindowTitle, path);
  else platform::CopyBounded(title, kMainWindowTitle);
  SetWindowTextA(window, title);
}

void EnableSave(bool enabled) {
  EnableMenuItem(Menus().file, kCmdSave, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void BackToProgramFolder() { platform::SetCurrentFolder(platform::ProgramFolder().c_str()); }

void Save(HWND window) {
  MainState& s = Main();
  if (!s.eventFilePath[0]) return;
  LeaveLoadedStage(window);
  SaveEventTo(window, s, s.eventFilePath);
  BackToProgramFolder();
}

void SaveAs(HWND window) {
  MainState& s = Main();
  std::string folder = platform::ProgramFolder();
  char chosen[kEventPathSize];
  std::snprintf(chosen, sizeof chosen, "%s\\*.rall", folder.c_str());
  std::string preset = chosen;
  platform::FileDialogRequest request;
  request.owner = window;
  request.save = true;
  std::string filter = std::string(Tr(Text::RallyFileFilter)) + "|*.rall";
  request.filter = filter.c_str();
  request.initialFolder = folder.c_str();
  if (!platform::ChooseFile(request, chosen, sizeof chosen) || preset == chosen) return;
  char path[kEventPathSize];
  if (!SaveAsPath(chosen, path)) {
    Error(window, Text::EventPathTooLong);
    return;
  }
  LeaveLoadedStage(window);
  if (!SaveEventTo(window, s, path)) {
    BackToProgramFolder();
    return;
  }
  platform::CopyBounded(s.eventFilePath, path);
  SetEventTitle(window, path);
  EnableSave(true);
  BackToProgramFolder();
}

void SaveCurrent(HWND window) {
  if (Main().eventFilePath[0]) Save(window);
  else SaveAs(window);
}

void NewEvent(HWND window) {
  int answer = platform::ShowMessage(window, Tr(Text::NewEventQuestion), Tr(Text::CaptionBeCareful),
                                     platform::kMbYesNoCancel | platform::kMbIconQuestion);
  if (answer == platform::kIdCancel) return;
  if (answer == platform::kIdYes) SaveCurrent(window);
  MainState& s = Main();
  SetEventTitle(window, nullptr);
  EnableSave(false);
  platform::ZeroBytes(s.eventFilePath, sizeof s.eventFilePath);
  // Nothing of the previous event may leak into the new one.
  UnloadStageFromRaceScreen(window);
  ClearPenaltyList(s.eventPenalties);
  s.eventPenaltyFlag = 0;
  SetStageDefaults(s);
  StartFreshEvent(window, s);
  RebuildEventTree();
  ExpandItem(NodeCode(1, kRallyNode));
}

void LoadEvent(HWND window) {
  MainState& s = Main();
  std::string folder = platform::ProgramFolder();
  char chosen[kEventPathSize] = {0};
  platform::FileDialogRequest request;
  request.owner = window;
  std::string filter = std::string(Tr(Text::RallyFileFilter)) + "|*.rall";
  request.filter = filter.c_str();
  request.initialFolder = folder.c_str();
  if (!platform::ChooseFile(request, chosen, sizeof chosen)) return;
  int answer = platform::ShowMessage(window, Tr(Text::SaveCurrentEventQuestion), Tr(Text::CaptionBeCareful),
                                     platform::kMbYesNo | platform::kMbIconQuestion);
  if (answer == platform::kIdYes) SaveCurrent(window);
  BackToProgramFolder();
  LeaveLoadedStage(window);
  if (!LoadEventFrom(window, s, chosen)) return;
  SetEventTitle(window, chosen);
  EnableSave(true);
  UnloadStageFromRaceScreen(window);
  RebuildEventTree();
}

void NewRally(HWND window) {
  MainState& s = Main();
  CloseInPlaceEdits(window);
  ShortRerank(s);
  RedrawRaceScreen(window);
  if (!AddRally(window, s)) return;
  AppendRallyBranch(s.rallyCount);
  UnloadStageFromRaceScreen(window);
}

int CurrentRally() { return RallyOfNode(Main().selectedNode); }
int CurrentStage() { return StageOfNodeKind(Main().selectedKind); }

void AddStage(HWND window) {
  MainState& s = Main();
  int rally = CurrentRally();
  if (!AddSpecialStage(window, s, rally)) return;
  AppendStageItems(rally, s.rallies[rally - 1].stageCount);
}

void PowerStage(HWND window, bool on) {
  MainState& s = Main();
  int rally = CurrentRally(), stage = CurrentStage();
  if (!SetPowerStage(window, s, rally, stage, on)) return;
  int flag = s.treeviewFlags[rally - 1][stage - 1];
  SetItemLabel(NodeCode(rally, kFirstStageNode + stage), StageLabel(flag, stage).c_str());
  SetItemLabel(NodeCode(rally, kRallyClassificationNode + stage), StageClassificationLabel(flag, stage).c_str());
  ExpandItem(NodeCode(rally, kClassificationsNode));
  RedrawRaceScreen(window);
}

void RemoveStage(HWND window) {
  MainState& s = Main();
  int rally = CurrentRally(), stage = CurrentStage();
  if (stage < 2) return;
  CloseInPlaceEdits(window);
  LeaveLoadedStage(window);
  if (!SetStageRemoved(window, s, rally, stage, true)) return;
  UnloadStageFromRaceScreen(window);
  SetStageItemShown(rally, stage, false);
  RebuildClassifications(rally);
}

void RestoreStage(HWND window) {
  MainState& s = Main();
  int rally = CurrentRally(), stage = s.restoreIndex + 1;
  if (!SetStageRemoved(window, s, rally, stage, false)) return;
  SetStageItemShown(rally, stage, true);
  RebuildClassifications(rally);
}

void ReloadDisplaySettings(HWND window) {
  MainState& s = Main();
  for (FontSpec& font : s.displaySettings.fonts) platform::ZeroBytes(font.face, sizeof font.face);
  platform::ZeroBytes(s.displaySettings.logoPath, sizeof s.displaySettings.logoPath);
  if (!ReadDisplaySettingsFile(kDisplaySettingsFile, &s.displaySettings, &s.customColours))
    Error(window, Text::DisplaySettingsNotFound);
  RedrawWholeRaceScreen(window, true);
  SendMessageA(EventTree(), TVM_SETBKCOLOR, 0, s.displaySettings.displayColours[1]);
  std::memcpy(s.columnWidths, s.displaySettings.columnWidths, sizeof s.columnWidths);
  // Other fonts give other rows: the rows that fit and the scroll bar follow.
  RefreshLiveTableRows(window);
  RedrawRaceScreen(window);
}

void PenaltiesFollowUp(HWND window) {
  MainState& s = Main();
  if (!ReadLateStartPenaltySettings(&s.lateStart)) Error(window, Text::SpecificPenaltiesNotFound);
  PrepareRaceScreenTexts(s);
  RecomputeLateStarts(s);
  if (s.parameters.startType == kWrcStart) s.lateStart.enabled2 = 1;
  s.startTimeColumnWidth = s.lateStart.enabled2 ? 100 : 5;
  if (s.eventPenaltyFlag == 1) {
    static PenaltyRecord before[kMaxPenalties];
    std::memcpy(before, s.eventPenalties, sizeof before);
    if (!ReadPenaltiesDatabase(s.eventPenalties)) {
      // The event keeps the list its drivers' states point into.
      std::memcpy(s.eventPenalties, before, sizeof before);
      Error(window, Text::PenaltiesDatabaseNotFound);
    } else {
      {
        platform::TextFile file(kRallyFilePath, "r+");
        if (file) WritePenaltiesSection(window, file, kPenaltiesKey, s.eventPenalties, s.eventPenaltyFlag);
      }
      std::vector<std::string> gone;
      CarryPenaltiesOver(window, s, before, &gone);
      if (!gone.empty())
        platform::ShowMessage(window, PenaltiesGoneMessage(gone).c_str(), Tr(Text::CaptionMessage),
                              platform::kMbOk | platform::kMbIconWarning);
    }
  }
  RedrawRaceScreen(window);
}

void DialogWithReload(HWND window, ProgramDialog dialog) {
  MainState& s = Main();
  CloseInPlaceEdits(window);
  ShortRerank(s);
  RedrawRaceScreen(window);
  if (!OpenProgramDialog(window, dialog)) return;
  int rally = CurrentRally();
  if (dialog == ProgramDialog::Participants) {
    // The dialog wrote the participants section itself: it is read, never overwritten.
    if (ReloadAfterParticipantsDialog(window, s)) {
      UnloadStageFromRaceScreen(window);
      RebuildRallyBranch(rally);
    }
  } else if (dialog == ProgramDialog::RaceParameters) {
    ReloadRallyParameters(window, s);
    RedrawRaceScreen(window);
  }
}

// Information (1053): the teams of every rally follow the event's international mark.
void TrackInformation(HWND window) {
  if (!OpenProgramDialog(window, ProgramDialog::TrackDetails)) return;
  RefreshTeamsAfterTrackDetails(window, Main());
  RedrawRaceScreen(window);
}

// Drivers start order (1055). Generate gives a rally without results one special stage:
// the rally's branch then shows it at once.
void StartOrderWithReload(HWND window) {
  MainState& s = Main();
  CloseInPlaceEdits(window);
  ShortRerank(s);
  RedrawRaceScreen(window);
  // Results held only in memory go to the file first: the dialog must see that the rally
  // has results, and a stage count it lowers must not leave them behind.
  LeaveLoadedStage(window);
  if (!OpenProgramDialog(window, ProgramDialog::StartOrder)) return;
  if (!ReloadAfterStartOrderDialog(window, s)) return;
  int rally = CurrentRally();
  if (RallyOfNode(s.stage.code) == rally && !s.timing.timing) UnloadStageFromRaceScreen(window);
  RebuildRallyBranch(rally);
}

void TransponderMode(HWND window, int id) {
  MainState& s = Main();
  CloseInPlaceEdits(window);
  if (id == kPersonalChipsRadio) {
    s.transponderMode = 1;
    ShowWindow(GetDlgItem(window, kTransponderSetCombo), SW_HIDE);
    CopyTranspondersToStageEntries(s.entries, s.participants);
  } else {
    s.transponderMode = 0;
    s.clubChipEditing = 1;
    if (id == kClubChipsRadio) ShowWindow(GetDlgItem(window, kTransponderSetCombo), SW_SHOW);
  }
  ShortRerank(s);
  RedrawRaceScreen(window);
}

void AddComment(HWND window) {
  MainState& s = Main();
  StageComment comment = {};
  platform::CopyBounded(comment.trackCondition, s.timing.trackCondition);
  platform::CopyBounded(comment.comment, s.timing.comment[0] ? s.timing.comment : kNoComment);
  if (!WriteStageComment(comment)) Error(window, Text::CommentFileNotFound);
  if (!OpenProgramDialog(window, ProgramDialog::StageComment)) return;
  StageComment read = {};
  if (ReadStageComment(&read)) {
    platform::CopyBounded(s.timing.trackCondition, read.trackCondition);
    platform::CopyBounded(s.timing.comment, read.comment);
  }
}

void AdditionalScreen(HWND window) {
  MainState& s = Main();
  if (s.startLightsOpen) {
    Error(window, Text::CountdownAlreadyOpen, platform::kMbIconStop);
    return;
  }
  HWND lights = OpenStartLightsWindow(ProgramInstance(), window, &s.startLightsOpen);
  if (!lights) return;
  ShowWindow(lights, SW_SHOWMAXIMIZED);
  // The driver who starts next, with the interval; nobody waiting shows the default count.
  const char* name = "";
  int seconds = 30;
  for (int i = 0; i < ClampParticipantCount(s.timing.entryCount); ++i) {
    if (s.entries[i].state == kEntryNotStarted) {
      name = s.entries[i].name;
      seconds = s.parameters.startInterval > 0 ? s.parameters.startInterval : 0;
      break;
    }
  }
  SendStartLights(name, seconds);
}

void ShowResultsPopup(HWND window) {
  POINT cursor;
  GetCursorPos(&cursor);
  TrackPopupMenuEx(Menus().resultsPopup, 0, cursor.x, cursor.y, window, nullptr);
}

}  // namespace

void HandleCommand(HWND window, WPARAM wParam) {
  MainState& s = Main();
  int id = LOWORD(wParam);
  switch (id) {
    case kCmdNewEvent: NewEvent(window); break;
    case kCmdLoadEvent: LoadEvent(window); break;
    case kCmdSave: Save(window); break;
    case kCmdSaveAs: SaveAs(window); break;
    case kCmdQuit: PostMessageA(window, WM_CLOSE, 0, 0); break;
    case kCmdCarCategories: OpenProgramDialog(window, ProgramDialog::CarCategories); break;
    case kCmdCars: OpenProgramDialog(window, ProgramDialog::Cars); break;
    case kCmdClubs: OpenProgramDialog(window, ProgramDialog::Clubs); break;
    case kCmdAgeCategories: OpenProgramDialog(window, ProgramDialog::AgeCategories); break;
    case kCmdDrivers:
      if (OpenProgramDialog(window, ProgramDialog::Drivers) && !ReadDriverSummaries(&s.drivers))
        Error(window, Text::DriverSummariesNotFound);
      break;
    case kCmdChampionships: OpenProgramDialog(window, ProgramDialog::Championships); break;
    case kCmdTransponders:
      if (OpenProgramDialog(window, ProgramDialog::Transponders)) {
        ClearTransponderSetsTable(&s.transponderSets);
        if (!ReadTransponderSetsDatabase(&s.transponderSets)) Error(window, Text::TranspondersNotFound);
      }
      break;
    case kCmdFrequencies: OpenProgramDialog(window, ProgramDialog::Frequencies); break;
    case kCmdPenalties:
      if (OpenProgramDialog(window, ProgramDialog::Penalties)) PenaltiesFollowUp(window);
      break;
    case kCmdChampionshipClassifications:
      if (ActiveProfile().championshipClassification) OpenProgramDialog(window, ProgramDialog::ChampionshipManagement);
      break;
    case kCmdAdditionalScreen:
      // The French build's 1016 is its translation editor.
      if (ActiveProfile().translationEditor) OpenTranslationEditor(window);
      else AdditionalScreen(window);
      break;
    case kCmdSounds:
      if (OpenProgramDialog(window, ProgramDialog::Sounds)) {
        if (!ReadSoundSettings(&s.sounds)) Error(window, Text::SoundSettingsNotFound);
        ClearCustomSoundPaths(&s.customSounds);
        if (!ReadCustomSoundsFile(kCustomSoundsFile, &s.customSounds))
          Error(window, Text::CustomSoundsNotFound, platform::kMbIconStop);
      }
      break;
    case kCmdDisplay:
      if (!WriteDisplaySettingsFile(kDisplaySettingsFile, s.displaySettings, s.customColours))
        Error(window, Text::DisplaySettingsNotFound);
      if (OpenProgramDialog(window, ProgramDialog::Display)) ReloadDisplaySettings(window);
      break;
    case kCmdInterface:
      SuspendDecoderLink(RaceEngine());
      OpenProgramDialog(window, ProgramDialog::Interface);
      ResumeDecoderLink(RaceEngine());
      break;
    case kCmdInternet:
      if (OpenProgramDialog(window, ProgramDialog::Internet)) {
        ReadWebCoordinates(window, s.web.eventFolder, s.web.championship, s.web.videoLinks, &s.web.connected,
                           &s.web.publishingActive);
        ShowInternetItemPicture(s.web.connected == 1 && s.web.publishingActive == 1);
      }
      break;
    case kCmdHelp: {
      std::string help = platform::ProgramFolder() + "\\Guides\\HelpRallyeGB.pdf";
      platform::OpenWithShell(window, help.c_str());
      break;
    }
    case kCmdNewRally: NewRally(window); break;
    case kCmdRenameRally:
      if (HTREEITEM item = FindTreeItem(s.selectedNode)) TreeView_EditLabel(EventTree(), item);
      break;
    case kCmdTrackInformation: TrackInformation(window); break;
    case kCmdListOfParticipants: DialogWithReload(window, ProgramDialog::Participants); break;
    case kCmdStartOrder: StartOrderWithReload(window); break;
    case kCmdRaceParameters: DialogWithReload(window, ProgramDialog::RaceParameters); break;
    case kCmdAddSpecialStage: AddStage(window); break;
    case kCmdCreatePowerStage:
      if (ActiveProfile().powerStage) PowerStage(window, true);
      break;
    case kCmdRemovePowerStage:
      if (ActiveProfile().powerStage) PowerStage(window, false);
      break;
    case kCmdRemoveSpecialStage:
      if (ActiveProfile().stageRemoval) RemoveStage(window);
      break;
    case kCmdRestoreStage:
      if (ActiveProfile().stageRemoval) RestoreStage(window);
      break;
    case kPersonalChipsRadio:
    case kClubChipsRadio:
    case kTransponderSetCombo:
      TransponderMode(window, id);
      break;
    case kMessageBoxCheck:
      s.messageBoxOption = IsDlgButtonChecked(window, kMessageBoxCheck) == BST_CHECKED ? 1 : 0;
      break;
    case kCommentButton: ShowResultsPopup(window); break;
    case kCmdActivateResults:
      s.modificationMode = 1;
      s.clubChipEditing = 0;
      if (HWND chips = GetDlgItem(window, kClubChipCombo)) DestroyWindow(chips);
      break;
    case kCmdDeactivateResults:
      s.modificationMode = 0;
      CloseInPlaceEdits(window);
      ShortRerank(s);
      RedrawRaceScreen(window);
      break;
    case kCmdAddComment: AddComment(window); break;
    case kStartButton: RaceStartCommand(window); break;
    case kPauseButton: RacePauseCommand(window); break;
    case kClearButton: RaceClearCommand(window); break;
    default:
      if (id > kCmdRestoreStage && id <= kCmdRemoveSpecialStage + kMaxStages) {
        s.restoreIndex = id - 1101;
        SendMessageA(window, WM_COMMAND, kCmdRestoreStage, 0);
      }
      break;
  }
}
