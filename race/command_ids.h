// Command ids of the main window's menus and popup menus.
#pragma once

enum CommandId : int {
  kCmdNewEvent = 1001,
  kCmdLoadEvent = 1002,
  kCmdSave = 1003,
  kCmdSaveAs = 1004,
  kCmdQuit = 1005,
  kCmdCarCategories = 1006,
  kCmdCars = 1007,
  kCmdClubs = 1008,
  kCmdAgeCategories = 1009,
  kCmdDrivers = 1010,
  kCmdChampionships = 1011,
  kCmdTransponders = 1012,
  kCmdFrequencies = 1013,
  kCmdPenalties = 1014,
  kCmdChampionshipClassifications = 1015,
  kCmdAdditionalScreen = 1016,  // the French build's translation editor
  kCmdSounds = 1017,
  kCmdDisplay = 1018,
  kCmdInterface = 1019,
  kCmdInternet = 1020,
  kCmdHelp = 1023,
  kCmdNewRally = 1051,
  kCmdRenameRally = 1052,
  kCmdTrackInformation = 1053,
  kCmdListOfParticipants = 1054,
  kCmdStartOrder = 1055,
  kCmdRaceParameters = 1056,
  kCmdAddSpecialStage = 1057,
  kCmdCreatePowerStage = 1058,
  kCmdRemovePowerStage = 1059,
  kCmdRemoveSpecialStage = 1100,
  kCmdRestoreStage = 1101,  // sent by the "Restore 'SS%d'" items 1102 to 1199
  kCmdActivateResults = 6102,
  kCmdDeactivateResults = 6103,
  kCmdAddComment = 6104,
};

// Timer 1 of the main window drives the race engine.
inline constexpr int kRaceTimerId = 1;
