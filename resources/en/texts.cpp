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
  }
  return "";
}
