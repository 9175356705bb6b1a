#include "race/menus.h"

#include "app/build_profile.h"
#include "race/command_ids.h"
#include "race/startup.h"

namespace {

ProgramMenus menus;

void Item(HMENU menu, int id, Text text) { AppendMenuA(menu, MF_STRING, id, Tr(text)); }
void Separator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, ""); }
void Popup(HMENU bar, HMENU popup, Text text) {
  AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), Tr(text));
}

}  // namespace

ProgramMenus& Menus() { return menus; }

void BuildMenus(HINSTANCE instance) {
  const BuildProfile& build = ActiveProfile();
  menus.bar = CreateMenu();

  menus.file = CreateMenu();
  Item(menus.file, kCmdNewEvent, Text::MenuNewEvent);
  Item(menus.file, kCmdLoadEvent, Text::MenuLoadEvent);
  Separator(menus.file);
  Item(menus.file, kCmdSave, Text::MenuSave);
  Item(menus.file, kCmdSaveAs, Text::MenuSaveAs);
  Separator(menus.file);
  Separator(menus.file);
  Item(menus.file, kCmdQuit, Text::MenuQuit);

  menus.database = CreateMenu();
  Item(menus.database, kCmdCarCategories, Text::MenuCarCategories);
  Item(menus.database, kCmdCars, Text::MenuCars);
  Separator(menus.database);
  Item(menus.database, kCmdClubs, Text::MenuClubs);
  Separator(menus.database);
  Item(menus.database, kCmdAgeCategories, Text::MenuAgeCategories);
  Item(menus.database, kCmdDrivers, Text::MenuDrivers);
  Separator(menus.database);
  if (build.championshipsDatabase) {
    Item(menus.database, kCmdChampionships, Text::MenuChampionships);
    Separator(menus.database);
  }
  Item(menus.database, kCmdTransponders, Text::MenuTransponders);
  Separator(menus.database);
  Item(menus.database, kCmdFrequencies, Text::MenuFrequencies);

  menus.penalties = CreateMenu();
  Item(menus.penalties, kCmdPenalties, Text::MenuPenaltiesAbandonments);

  menus.championships = CreateMenu();
  if (build.championshipClassification) {
    Item(menus.championships, kCmdChampionshipClassifications, Text::MenuChampionshipClassifications);
  }

  // The French build's command 1016 opens its translation editor, which no menu offers.
  menus.countdown = CreateMenu();
  if (!build.translationEditor) Item(menus.countdown, kCmdAdditionalScreen, Text::MenuAdditionalScreen);

  menus.settings = CreateMenu();
  Item(menus.settings, kCmdSounds, Text::MenuSounds);
  Separator(menus.settings);
  Item(menus.settings, kCmdDisplay, Text::MenuDisplay);
  Separator(menus.settings);
  Item(menus.settings, kCmdInterface, Text::MenuInterface);
  Separator(menus.settings);
  Item(menus.settings, kCmdInternet, Text::MenuInternet);

  menus.help = CreateMenu();
  Item(menus.help, kCmdHelp, Text::MenuHelp);

  Popup(menus.bar, menus.file, Text::MenuFile);
  Popup(menus.bar, menus.database, Text::MenuDatabase);
  Popup(menus.bar, menus.penalties, Text::MenuPenalties);
  // A build without the feature has no empty popup either.
  if (GetMenuItemCount(menus.championships) > 0) Popup(menus.bar, menus.championships, Text::MenuChampionshipsPopup);
  if (GetMenuItemCount(menus.countdown) > 0) Popup(menus.bar, menus.countdown, Text::MenuCountdown);
  Popup(menus.bar, menus.settings, Text::MenuSettings);
  Popup(menus.bar, menus.help, Text::MenuHelpPopup);

  menus.modifyResults = CreateMenu();
  Item(menus.modifyResults, kCmdActivateResults, Text::MenuActivate);
  Item(menus.modifyResults, kCmdDeactivateResults, Text::MenuDeactivate);
  menus.resultsPopup = CreatePopupMenu();
  Popup(menus.resultsPopup, menus.modifyResults, Text::MenuModifyResults);
  Item(menus.resultsPopup, kCmdAddComment, Text::MenuAddComment);

  menus.trackPopup = CreatePopupMenu();
  Item(menus.trackPopup, kCmdTrackInformation, Text::MenuInformation);
  menus.rallyPopup = CreatePopupMenu();
  Item(menus.rallyPopup, kCmdNewRally, Text::MenuNewRally);
  Item(menus.rallyPopup, kCmdRenameRally, Text::MenuRenameRally);
  menus.driversPopup = CreatePopupMenu();
  Item(menus.driversPopup, kCmdListOfParticipants, Text::MenuListOfParticipants);
  menus.startOrderPopup = CreatePopupMenu();
  Item(menus.startOrderPopup, kCmdStartOrder, Text::MenuStartOrder);
  menus.parametersPopup = CreatePopupMenu();
  Item(menus.parametersPopup, kCmdRaceParameters, Text::MenuRaceParameters);
  menus.specialStagesPopup = CreatePopupMenu();
  Item(menus.specialStagesPopup, kCmdAddSpecialStage, Text::MenuAddSpecialStage);
  if (build.powerStage) Item(menus.specialStagesPopup, kCmdCreatePowerStage, Text::MenuCreatePowerStage);
  if (build.stageRemoval) Item(menus.specialStagesPopup, kCmdRemoveSpecialStage, Text::MenuRemoveSpecialStage);

  // Item pictures: the unchecked-state bitmap shows, since no item is ever checked.
  static const struct {
    int command;
    int bitmap;
  } kPictures[] = {{kCmdNewEvent, 5},       {kCmdSave, 6},         {kCmdQuit, 7},
                   {kCmdCarCategories, 8},  {kCmdClubs, 9},        {kCmdAgeCategories, 10},
                   {kCmdChampionships, 11}, {kCmdTransponders, 12}, {kCmdFrequencies, 13},
                   {kCmdPenalties, 14},     {kCmdChampionshipClassifications, 11},
                   {kCmdSounds, 15},        {kCmdDisplay, 16},     {kCmdInterface, 17},
                   {kCmdInternet, 18}};
  HBITMAP checked = LoadBitmapA(instance, MAKEINTRESOURCEA(2));
  for (const auto& picture : kPictures) {
    HBITMAP unchecked = LoadBitmapA(instance, MAKEINTRESOURCEA(picture.bitmap));
    SetMenuItemBitmaps(menus.bar, picture.command, MF_BYCOMMAND, unchecked, checked);
  }
}

void ShowInternetItemPicture(bool publishing) {
  // Loaded once: the item keeps showing the handle it was given.
  static HBITMAP checked = LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(2));
  static HBITMAP idle = LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(18));
  static HBITMAP live = LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(19));
  SetMenuItemBitmaps(Menus().bar, kCmdInternet, MF_BYCOMMAND, publishing ? live : idle, checked);
}
