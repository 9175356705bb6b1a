#include "app/build_profile.h"
#include "race/dialog_table.h"
#include "translation/translation_dialog.h"

const BuildProfile& ProgramBuild() {
  RegisterTranslationEditor(TranslationDialogProc);
  return kFrenchBuild;
}
