#include "race/dialog_table.h"

#include "race/startup.h"
#include "results/championship_dialogs.h"
#include "results/rally_classification_dialog.h"
#include "results/internet_dialog.h"
#include "results/stage_classification_dialog.h"
#include "setup/database_dialogs.h"
#include "setup/settings_dialogs.h"
#include "setup/setup_dialogs.h"

namespace {

const DialogEntry kDialogs[static_cast<int>(ProgramDialog::Count)] = {
    {"BASECATEGORIES", CarCategoriesDialogProc},      {"BASEVOITURES", CarsDialogProc},       {"BASECLUBS", ClubsDialogProc},
    {"BASEAGES", AgeCategoriesDialogProc},            {"BASEPILOTES", DriversDialogProc},        {"BASECHAMPIONNATS", ChampionshipsDialogProc},
    {"BASETRANSPONDEURS", TransponderSetsDialogProc},   {"BASEFREQUENCES", FrequenciesDialogProc},     {"PENALITES", PenaltiesDialogProc},
    {"CHAMPIONNATSGESTION", ChampionshipManagementDialogProc}, {"SONS", SoundSettingsDialogProc}, {"AFFICHAGE", DisplaySettingsDialogProc},
    {"INTERFACE", InterfaceDialogProc},           {"INTERNET", InternetDialogProc},           {"RALLYEPISTE", TrackDetailsDialogProc},
    {"RALLYEPILOTES", ParticipantsDialogProc},       {"RALLYEREPARTITION", StartOrderDialogProc},  {"RALLYEPARAMETRES", RallyParametersDialogProc},
    {"SPECIALECOMMENTAIRE", StageCommentDialogProc}, {"RALLYEPILOTEDETAILS", DriverDetailsDialogProc}, {"RALLYECLASSEMENTSPECIALE", StageClassificationDialogProc},
    {"RALLYECLASSEMENTRALLYE", RallyClassificationDialogProc},
    {"CHAMPIONNATSPONSORS", SponsorsDialogProc},     {"CHAMPIONNATCLASSEMENT", ChampionshipClassificationDialogProc},
};

DLGPROC translationEditor = nullptr;

}  // namespace

const DialogEntry& DialogOf(ProgramDialog dialog) { return kDialogs[static_cast<int>(dialog)]; }

bool OpenProgramDialog(HWND owner, ProgramDialog dialog, LPARAM parameter) {
  const DialogEntry& entry = DialogOf(dialog);
  if (!entry.procedure) return false;
  DialogBoxParamA(ProgramInstance(), entry.templateName, owner, entry.procedure, parameter);
  return true;
}

void OpenDriverPenaltyDialog(HWND owner, StageEntry* entry) {
  DialogBoxParamA(ProgramInstance(), "PENALITESBIS", owner, DriverPenaltyDialogProc, reinterpret_cast<LPARAM>(entry));
}

void RegisterTranslationEditor(DLGPROC procedure) { translationEditor = procedure; }

bool OpenTranslationEditor(HWND owner) {
  if (!translationEditor) return false;
  DialogBoxParamA(ProgramInstance(), "TRADUCTION", owner, translationEditor, 0);
  return true;
}
