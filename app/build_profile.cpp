#include "app/build_profile.h"

const char* EnglishText(Text id);
const char* FrenchText(Text id);
const char* SpanishText(Text id);

const BuildProfile kEnglishBuild = {
    Language::English, "vellgrin-rally-en", 20,
    /*championshipClassification=*/true, /*championshipsDatabase=*/true, /*powerStage=*/true,
    /*stageRemoval=*/true, /*lateStartPenalty=*/true, /*driverPenaltyDialog=*/true,
    /*startTypes=*/true, /*translationEditor=*/false, EnglishText};

const BuildProfile kFrenchBuild = {
    Language::French, "vellgrin-rally-fr", 100,
    /*championshipClassification=*/false, /*championshipsDatabase=*/true, /*powerStage=*/false,
    /*stageRemoval=*/false, /*lateStartPenalty=*/false, /*driverPenaltyDialog=*/false,
    /*startTypes=*/false, /*translationEditor=*/true, FrenchText};

const BuildProfile kSpanishBuild = {
    Language::Spanish, "vellgrin-rally-es", 100,
    /*championshipClassification=*/false, /*championshipsDatabase=*/false, /*powerStage=*/false,
    /*stageRemoval=*/false, /*lateStartPenalty=*/false, /*driverPenaltyDialog=*/false,
    /*startTypes=*/false, /*translationEditor=*/false, SpanishText};

namespace {
const BuildProfile* active = &kEnglishBuild;
}

const BuildProfile& ActiveProfile() { return *active; }
void SetActiveProfile(const BuildProfile& profile) { active = &profile; }
