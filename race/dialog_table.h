// The modal dialogs that the main window opens: one table of templates and procedures,
// filled as the dialogs are built. A command whose dialog is not in the table opens nothing.
#pragma once

#include <windows.h>

enum class ProgramDialog {
  CarCategories,           // BASECATEGORIES
  Cars,                    // BASEVOITURES
  Clubs,                   // BASECLUBS
  AgeCategories,           // BASEAGES
  Drivers,                 // BASEPILOTES
  Championships,           // BASECHAMPIONNATS
  Transponders,            // BASETRANSPONDEURS
  Frequencies,             // BASEFREQUENCES
  Penalties,               // PENALITES
  ChampionshipManagement,  // CHAMPIONNATSGESTION
  Sounds,                  // SONS
  Display,                 // AFFICHAGE
  Interface,               // INTERFACE
  Internet,                // INTERNET
  TrackDetails,            // RALLYEPISTE
  Participants,            // RALLYEPILOTES
  StartOrder,              // RALLYEREPARTITION
  RaceParameters,          // RALLYEPARAMETRES
  StageComment,            // SPECIALECOMMENTAIRE
  DriverDetails,           // RALLYEPILOTEDETAILS
  StageClassification,     // RALLYECLASSEMENTSPECIALE
  RallyClassification,     // RALLYECLASSEMENTRALLYE
  ChampionshipSponsors,    // CHAMPIONNATSPONSORS, opened from the championships window
  ChampionshipClassification,  // CHAMPIONNATCLASSEMENT, opened from the championships window
  Count
};

struct DialogEntry {
  const char* templateName;
  DLGPROC procedure;  // nullptr until the dialog is built
};

const DialogEntry& DialogOf(ProgramDialog dialog);
// Opens the dialog modally with that creation data (the championship dialogs take the
// championship's name); false when it is not built yet.
bool OpenProgramDialog(HWND owner, ProgramDialog dialog, LPARAM parameter = 0);

struct StageEntry;
// The driver penalty dialog (PENALITESBIS) on one live entry, which it changes.
void OpenDriverPenaltyDialog(HWND owner, StageEntry* entry);

// The translation editor (TRADUCTION) is linked into the French program only, which
// registers it before the main window starts; elsewhere 1016 finds none.
void RegisterTranslationEditor(DLGPROC procedure);
bool OpenTranslationEditor(HWND owner);
