#include "app/build_profile.h"
#include "race/dialog_table.h"
#include "translation/translation_dialog.h"

const BuildProfile& ProgramBuild() { return kFrenchBuild; }

// This program links libcurl alone (no JPEG converter) and has the translation editor.
void UseProgramLibraries() { RegisterTranslationEditor(TranslationDialogProc); }
