// The menu bar and the popup menus of the main window, built once at start-up and kept for
// the life of the process.
#pragma once

#include <windows.h>

struct ProgramMenus {
  HMENU bar;
  HMENU file, database, penalties, championships, countdown, settings, help;
  HMENU modifyResults;
  HMENU resultsPopup, trackPopup, rallyPopup, driversPopup, startOrderPopup, parametersPopup,
      specialStagesPopup;
};

ProgramMenus& Menus();

// Builds the menus of the active build in its language and gives the items their pictures.
void BuildMenus(HINSTANCE instance);

// The "Internet" item's picture: bitmap 19 while connected and publishing, else 18.
void ShowInternetItemPicture(bool publishing);
