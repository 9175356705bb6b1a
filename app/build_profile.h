// What distinguishes the English, French and Spanish programs. Each program links its
// entry file, which makes its profile the active one before anything else runs.
#pragma once

#include "resources/texts.h"

enum class Language { English, French, Spanish };

struct BuildProfile {
  Language language;
  const char* programName;
  // Period of the race engine's timer.
  unsigned raceTickMs;
  bool championshipClassification;
  bool championshipsDatabase;
  bool powerStage;
  bool stageRemoval;
  bool lateStartPenalty;
  bool driverPenaltyDialog;
  bool startTypes;  // choice of the standard or the WRC-style start
  bool translationEditor;
  const char* (*text)(Text id);
};

extern const BuildProfile kEnglishBuild;
extern const BuildProfile kFrenchBuild;
extern const BuildProfile kSpanishBuild;

const BuildProfile& ActiveProfile();
void SetActiveProfile(const BuildProfile& profile);

// The text of the active build's language.
inline const char* Tr(Text id) { return ActiveProfile().text(id); }
