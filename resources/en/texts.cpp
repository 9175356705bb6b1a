#include "resources/texts.h"

const char* EnglishText(Text id) {
  switch (id) {
    case Text::CaptionError:
      return "Error";
    case Text::CaptionMessage:
      return "Message";
    case Text::CaptionBeCareful:
      return "Be careful";
    case Text::CaptionImportantMessage:
      return "Important Message";
    case Text::MenuFile:
      return "File";
    case Text::MenuNewEvent:
      return "New event";
    case Text::MenuLoadEvent:
      return "Load event";
    case Text::MenuSave:
      return "Save";
    case Text::MenuSaveAs:
      return "Save as...";
    case Text::MenuQuit:
      return "Quit";
    case Text::MenuDatabase:
      return "Database";
    case Text::MenuCarCategories:
      return "Categories of cars";
    case Text::MenuCars:
      return "Cars";
    case Text::MenuClubs:
      return "Clubs/Teams";
    case Text::MenuAgeCategories:
      return "Age Categories";
    case Text::MenuDrivers:
      return "Drivers";
    case Text::MenuChampionships:
      return "Championships";
    case Text::MenuTransponders:
      return "Transponders";
    case Text::MenuFrequencies:
      return "Frequencies";
    case Text::MenuPenalties:
      return "Penalties";
    case Text::MenuPenaltiesAbandonments:
      return "Penalties/Abandonments";
    case Text::MenuChampionshipsPopup:
      return "Championships";
    case Text::MenuChampionshipClassifications:
      return "Championships classifications";
    case Text::MenuCountdown:
      return "Countdown";
    case Text::MenuAdditionalScreen:
      return "Additional screen";
    case Text::MenuSettings:
      return "Settings";
    case Text::MenuSounds:
      return "Sounds";
    case Text::MenuDisplay:
      return "Display";
    case Text::MenuInterface:
      return "Interface";
    case Text::MenuInternet:
      return "Internet";
    case Text::MenuHelpPopup:
      return "?";
    case Text::MenuHelp:
      return "Help";
    case Text::MenuModifyResults:
      return "Modify results";
    case Text::MenuActivate:
      return "Activate";
    case Text::MenuDeactivate:
      return "Deactivate";
    case Text::MenuAddComment:
      return "Add a comment";
    case Text::MenuInformation:
      return "Information";
    case Text::MenuNewRally:
      return "New rally";
    case Text::MenuRenameRally:
      return "Rename rally";
    case Text::MenuListOfParticipants:
      return "List of participants";
    case Text::MenuStartOrder:
      return "Drivers start order";
    case Text::MenuRaceParameters:
      return "Race parameters";
    case Text::MenuAddSpecialStage:
      return "Add a special stage";
    case Text::MenuCreatePowerStage:
      return "Create Power Stage";
    case Text::MenuRemoveSpecialStage:
      return "Remove the special stage";
    case Text::ComPortFileNotFound:
      return "Error: COM port file not found";
    case Text::CouldNotOpenComPort:
      return "Could not open the COM port";
    case Text::InterfaceZL1Ready:
      return "COM port opened correctly, OK !\n Interface Vellgrin ZL1 ready to operate";
    case Text::InterfaceZL2Ready:
      return "Interface Vellgrin ZL2 ready to operate";
    case Text::PrintingWarning:
      return "The printing of documents with the latest versions of Windows 11 can produce a bug resulting in software closure.\nIf your computer run under W11, before any using of the software, verify this by doing 2 consecutive document printing. If the bug appears, the printing of race results should not be done directly, but by using screenshots.\nWe curently work on solving this problem.";
    case Text::MonthJanuary:
      return "January";
    case Text::MonthFebruary:
      return "February";
    case Text::MonthMarch:
      return "March";
    case Text::MonthApril:
      return "April";
    case Text::MonthMay:
      return "May";
    case Text::MonthJune:
      return "June";
    case Text::MonthJuly:
      return "July";
    case Text::MonthAugust:
      return "August";
    case Text::MonthSeptember:
      return "September";
    case Text::MonthOctober:
      return "October";
    case Text::MonthNovember:
      return "November";
    case Text::MonthDecember:
      return "December";
    case Text::PenaltyAbandonName:
      return "Driver abandon";
    case Text::PenaltyAbandonDescription:
      return "Abandon of a driver during a special stage";
    case Text::PenaltyLateStartName:
      return "Driver late start";
    case Text::PenaltyLateStartDescription:
      return "A driver started the special stage in late";
    case Text::PenaltyLateStartImportedDescription:
      return "A driver started the special stage in  late";
    case Text::TreeviewFlagsTitleNotFound:
      return "Error: Title of the treeview flags not found";
    case Text::TreeviewFlagsTitleNotFoundMain:
      return "Error: Title of the Treeview flags not found";
    case Text::StageTitleNotFound:
      return "Error: Title of the special stage not found";
    case Text::PenaltiesTitleNotFound:
      return "Error: Title of the list of penalties not found";
    case Text::RallyHeaderTooLong:
      return "Error: the names of the rallies are too long to be saved in the event file";
    case Text::EventFileNotWritten:
      return "Error: the event file could not be written";
    case Text::FinishReactivatedQuestion:
      return "The end of the special stage for %s has just been reactivated!\nDo you want to update his time ?";
    case Text::None:
      return "";
    case Text::CaptionErreur:
      return "Erreur";
    case Text::WebCoordinatesNotWritten:
      return "Erreur: impossible d'ouvrir le fichier des coordonnées web";
    case Text::RallyFileNotFound:
      return "Error : File of the rally not found";
    case Text::SpecificPenaltiesNotFound:
      return "Error : Specific Penalties file not found";
    case Text::CountryNamesNotFound:
      return "Error : Countries name database file not found";
    case Text::CountryCodesNotFound:
      return "Error : Countries code database file not found";
    case Text::DriverSummariesNotFound:
      return "Error : Drivers mini database file not found";
    case Text::TranspondersNotFound:
      return "Error: Transponders database file not found";
    case Text::SoundSettingsNotFound:
      return "Error: Sound settings file not found";
    case Text::CustomSoundsNotFound:
      return "Error: Custom sounds file not found";
    case Text::DisplaySettingsNotFound:
      return "Error: Display settings file not found";
    case Text::CloseWhileTiming:
      return "A special stage or a scan is in progress!\r\nYou can't quit the application !";
    case Text::QuitQuestion:
      return "You wish to quit!\nDo you want to save the current rally?";
    case Text::NewEventQuestion:
      return "You wish to begin a new event!\nDo you want to save the current one?";
    case Text::SaveCurrentEventQuestion:
      return "Do you want to save the current event?";
    case Text::RallyFileFilter:
      return "Rally file (.rall)";
    case Text::BackupFileNotFound:
      return "Error: Backup file not found";
    case Text::RallyNameRefused:
      return "The entry is not correct.\nThe name of rally must only contain :\n - letters without accents\n - numbers\n - spaces\n - '_' and '/'";
    case Text::RallyNameEmpty:
      return "The name of a rally must not be empty nor begin with a space.";
    case Text::ParticipantsTitleNotFound:
      return "Error: Title of participants list not found";
    case Text::StartOrderTitleNotFound:
      return "Error: Title of the drivers starting grid not found";
    case Text::PenaltiesDatabaseNotFound:
      return "Error : Penalties database file not found";
    case Text::CountdownAlreadyOpen:
      return "The Countdown screen is allready opened";
    case Text::CommentFileNotFound:
      return "Error: Comment file not found";
    case Text::MaximumStartTime:
      return "Maximum start time : %d:%02d";
    case Text::TreeTrack:
      return "Track";
    case Text::TreeDrivers:
      return "Drivers (%d)";
    case Text::TreeSpecialStages:
      return "Special stages";
    case Text::TreeStartOrder:
      return "StartOrder";
    case Text::TreeParameters:
      return "Parameters";
    case Text::TreeClassifications:
      return "Classifications";
    case Text::TreeClassRally:
      return "Class. Rally";
    case Text::TreeStage:
      return "SS%d";
    case Text::TreePowerStage:
      return "Power Stage";
    case Text::TreeClassStage:
      return "Class. SS%d";
    case Text::TreeClassPowerStage:
      return "Class. Power Stage";
    case Text::DefaultRallyName:
      return "RALLY %d";
    case Text::StageTitle:
      return " %s - SS%d ";
    case Text::StageTitlePowerStage:
      return " %s - Power Stage ";
    case Text::MenuRemovePowerStage:
      return "Remove Power Stage";
    case Text::MenuRestoreStage:
      return "Restore 'SS%d'";
    case Text::ControlStart:
      return "Start";
    case Text::ControlPause:
      return "Pause";
    case Text::ControlClear:
      return "Clear";
    case Text::ControlComment:
      return "Comment";
    case Text::ControlClockGroup:
      return "Race duration / Clock";
    case Text::ControlCountdownGroup:
      return "Countdown";
    case Text::ControlTransponderModeGroup:
      return "Transponders mode";
    case Text::ControlPersonalChips:
      return "Personal chips";
    case Text::ControlClubChips:
      return "Club chips";
    case Text::ControlSetTransponders:
      return "SetTransponders";
    case Text::ControlMessageBox:
      return "MessageBox";
    case Text::CrashCopyFailed:
      return "Error: the event of the previous session could not be copied to DoVorodIvar.rall.\nIt is lost when this session starts its new event.";
    case Text::EventNotSaved:
      return "Error: the event could not be saved in the chosen file.";
    case Text::EventNotLoaded:
      return "Error: the chosen event file could not be loaded; the current event stays open.";
    case Text::EventPathTooLong:
      return "Error: the path of the event file is too long.";
    case Text::DialogOk:
      return "Ok";
    case Text::DialogCancel:
      return "Cancel";
    case Text::UnitSeconds:
      return "s";
    case Text::UnitMinutes:
      return "min";
    case Text::UnitSec:
      return "sec";
    case Text::InterfaceCaption:
      return "Interface";
    case Text::InterfaceTitle:
      return "Decoder Vellgrin";
    case Text::InterfaceDecoderGroup:
      return "Decoder";
    case Text::InterfacePortGroup:
      return "COM Port";
    case Text::InterfaceConnect:
      return "Connect";
    case Text::InterfaceMessageGroup:
      return "Message";
    case Text::InterfaceReadyZL1:
      return " Interface ZL1 is ready to operate.\r\n";
    case Text::InterfaceReadyZL2:
      return " Interface ZL2 is ready to operate.\r\n";
    case Text::InterfacePortNotOpen:
      return " COM Port is not open !\r\n";
    case Text::InterfaceOpeningAttempt:
      return " COM Port opening attempt :\r\n";
    case Text::InterfaceCouldNotOpen:
      return " Could not open the COM Port !\r\n";
    case Text::InterfaceOpenedOk:
      return " COM Port opened correctly, OK !\r\n";
    case Text::InterfaceConnectedZL1:
      return " Interface ZL1 is ready to operate !\r\n";
    case Text::InterfaceConnectedZL2:
      return " Interface ZL2 is ready to operate !\r\n";
    case Text::InterfaceFileNotFound:
      return "Error: Interface file not found";
    case Text::InterfaceChoosePort:
      return "A COM port must be chosen before Connect.";
    case Text::RaceParametersCaption:
      return "Parameters of race";
    case Text::RaceParametersRally:
      return "Rally :";
    case Text::RaceParametersValidate:
      return "Validate";
    case Text::RaceParametersStartTypeGroup:
      return "Type de start";
    case Text::RaceParametersStandardStart:
      return "Default start (begginers)";
    case Text::RaceParametersWrcStart:
      return "WRC start (pros)";
    case Text::RaceParametersInterval:
      return "Interval between the drivers starts";
    case Text::RaceParametersRest:
      return "Rest between the special stages";
    case Text::RaceParametersMinimumLap:
      return "Min. lap time :";
    case Text::RaceParametersFileNotFound:
      return "Error : File of the rally not found";
    case Text::RaceParametersTitleNotFound:
      return "Error: Title of the race parameters not found";
    case Text::RaceParametersTitle2NotFound:
      return "Error: 2nd title of the race parameters not found";
    case Text::StageCommentCaption:
      return "Comment about the special stage";
    case Text::StageCommentEnter:
      return "Enter";
    case Text::StageCommentConditions:
      return "Track conditions :";
    case Text::StageCommentDryButton:
      return "dry";
    case Text::StageCommentWetButton:
      return "wet";
    case Text::StageCommentIceButton:
      return "ice";
    case Text::StageCommentAdd:
      return "Add a comment :";
    case Text::StageCommentFileNotFound:
      return "Error: Special stage comment file not found";
    case Text::TrackConditionDry:
      return "Dry";
    case Text::TrackConditionWet:
      return "Wet";
    case Text::TrackConditionIce:
      return "Ice";
    case Text::PenaltiesCaption:
      return "Penalties and Abandonments";
    case Text::PenaltiesMax:
      return "Penalties  (50 max)";
    case Text::PenaltiesId:
      return "ID";
    case Text::PenaltiesCreate:
      return "Create";
    case Text::PenaltiesRemove:
      return "Remove";
    case Text::PenaltiesNew:
      return " New penalty";
    case Text::PenaltiesName:
      return "Name of the penalty :";
    case Text::PenaltiesDescription:
      return "Description :";
    case Text::PenaltiesDuration:
      return "Duration of the penalty :";
    case Text::PenaltyKindGross:
      return "Gross applied";
    case Text::PenaltyKindAdded:
      return "Added to the driver's time";
    case Text::PenaltyKindAfterWinner:
      return "After the winner of the special stage";
    case Text::PenaltyKindAfterLast:
      return "After the last of the special stage";
    case Text::PenaltiesLateStartActivated:
      return "Penalty 'Driver Late start' activated";
    case Text::PenaltiesCriticalDelay:
      return "Critical start delay :";
    case Text::PenaltiesImport:
      return "Import";
    case Text::PenaltiesExport:
      return "Export";
    case Text::PenaltiesAbandonHeader:
      return "Abandon : A";
    case Text::PenaltiesPenaltyHeader:
      return "Penalty : ";
    case Text::PenaltiesFileType:
      return "Database Penalties (.pen)";
    case Text::PenaltyDialogDatabaseNotFound:
      return "Error : Penalties database file not found";
    case Text::PenaltyDialogSettingsNotFound:
      return "Error : Specific Penalties file not found";
    case Text::PenaltyDialogImportNotFound:
      return "Error : Import file 'Penalties' not found";
    case Text::PenaltyDialogExportNotFound:
      return "Error : Export file 'Penalties' not found";
#include "resources/en/database_dialog_texts.inc"
#include "resources/en/race_screen_texts.inc"
#include "resources/en/race_engine_texts.inc"
#include "resources/en/live_table_texts.inc"
#include "resources/en/participants_publishing_texts.inc"
#include "resources/en/participants_dialog_texts.inc"
#include "resources/en/driver_details_texts.inc"
#include "resources/en/event_setup_texts.inc"
#include "resources/en/stage_classification_texts.inc"
#include "resources/en/championships_texts.inc"
#include "resources/en/settings_dialog_texts.inc"
#include "resources/en/page_export_texts.inc"
#include "resources/en/rally_classification_texts.inc"
  }
  return "";
}
