// The translation editor of the French build (template TRADUCTION): the frame of an editor
// whose lists nothing fills yet; it reads and writes no file.
#include "translation/translation_dialog.h"

#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "setup/setup_dialog_win32.h"
#include "translation/translation_dialog_ids.h"
#include "translation/translation_model.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::TranslationCaption},
    {IDC_TRANSLATION_APPLY_GROUP, Text::TranslationApplyGroup},
    {IDC_TRANSLATION_SOFTWARE_LABEL, Text::TranslationSoftwareLanguage},
    {IDC_TRANSLATION_DOCUMENTS_LABEL, Text::TranslationDocumentsLanguage},
    {IDC_TRANSLATION_APPLY, Text::TranslationApply},
    {IDC_TRANSLATION_MODIFY_GROUP, Text::TranslationModifyGroup},
    {IDC_TRANSLATION_LANGUAGE_LABEL, Text::TranslationLanguage},
    {IDC_TRANSLATION_WINDOW_LABEL, Text::TranslationWindow},
    {IDC_TRANSLATION_EXPRESSION_LABEL, Text::TranslationExpression},
    {IDC_TRANSLATION_FACTORY_LABEL, Text::TranslationFactory},
    {IDC_TRANSLATION_MODIFIED_LABEL, Text::TranslationModified},
    {IDC_TRANSLATION_RESTORE_FACTORY, Text::TranslationRestoreFactory},
    {IDC_TRANSLATION_SAVE, Text::TranslationSave},
    {IDOK, Text::InternetOk},
};
constexpr int kNormalFont[] = {IDOK,
                               IDC_TRANSLATION_SOFTWARE_LANGUAGE,
                               IDC_TRANSLATION_DOCUMENTS_LANGUAGE,
                               IDC_TRANSLATION_APPLY,
                               IDC_TRANSLATION_LANGUAGE,
                               IDC_TRANSLATION_RESTORE_FACTORY,
                               IDC_TRANSLATION_WINDOW,
                               IDC_TRANSLATION_EXPRESSION,
                               IDC_TRANSLATION_MODIFIED,
                               IDC_TRANSLATION_SAVE,
                               IDC_TRANSLATION_SOFTWARE_LABEL,
                               IDC_TRANSLATION_DOCUMENTS_LABEL,
                               IDC_TRANSLATION_LANGUAGE_LABEL,
                               IDC_TRANSLATION_WINDOW_LABEL,
                               IDC_TRANSLATION_EXPRESSION_LABEL,
                               IDC_TRANSLATION_MODIFIED_LABEL};
constexpr int kBoldFont[] = {IDC_TRANSLATION_FACTORY, IDC_TRANSLATION_FACTORY_LABEL, IDC_TRANSLATION_MODIFY_GROUP,
                             IDC_TRANSLATION_APPLY_GROUP};

DialogFonts fonts;
std::string savedFolder;
TranslationEditorState editor;

int ListPosition(HWND dialog, int control) {
  return static_cast<int>(SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0));
}

void ShowExpression(HWND dialog) {
  const TranslationTables& tables = TranslationMemory();
  SetDlgItemTextA(dialog, IDC_TRANSLATION_FACTORY, tables.factoryExpressions[editor.currentExpression]);
  SetDlgItemTextA(dialog, IDC_TRANSLATION_MODIFIED, tables.modifiedExpressions[editor.currentExpression]);
}

void ChooseWindow(HWND dialog) {
  const TranslationTables& tables = TranslationMemory();
  if (!SelectTranslationWindow(tables, &editor, ListPosition(dialog, IDC_TRANSLATION_WINDOW))) return;
  HWND expressions = GetDlgItem(dialog, IDC_TRANSLATION_EXPRESSION);
  SendMessageA(expressions, CB_RESETCONTENT, 0, 0);
  for (const auto& expression : tables.factoryExpressions) {
    if (expression[0]) SendMessageA(expressions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(expression));
  }
  SendMessageA(expressions, CB_SETCURSEL, 0, 0);
  ShowExpression(dialog);
}

void ChooseExpression(HWND dialog) {
  if (SelectTranslationExpression(&editor, ListPosition(dialog, IDC_TRANSLATION_EXPRESSION))) ShowExpression(dialog);
}

void TypeModifiedTranslation(HWND dialog) {
  TranslationTables& tables = TranslationMemory();
  SendDlgItemMessageA(dialog, IDC_TRANSLATION_MODIFIED, EM_LIMITTEXT,
                      std::strlen(tables.factoryExpressions[editor.currentExpression]), 0);
  char typed[kModifiedExpressionLength + 1];
  ControlTextOf(dialog, IDC_TRANSLATION_MODIFIED, typed, sizeof typed);
  StoreModifiedExpression(&tables, editor, typed);
}

void CloseEditor(HWND dialog) {
  platform::SetCurrentFolder(savedFolder.c_str());
  fonts.Close(dialog);
}

}  // namespace

INT_PTR CALLBACK TranslationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      savedFolder = platform::CurrentFolder();
      OpenTranslationEditor(&editor);
      SetControlTexts(dialog, kTexts);
      fonts.Open(dialog, kNormalFont, kBoldFont);
      return FALSE;
    case WM_CLOSE:
      CloseEditor(dialog);
      return FALSE;
    case WM_COMMAND: {
      int code = HIWORD(wParam);
      switch (LOWORD(wParam)) {
        case IDOK:
          CloseEditor(dialog);
          return TRUE;
        case IDC_TRANSLATION_SOFTWARE_LANGUAGE:
          if (code == CBN_SELCHANGE) editor.softwareLanguage = ListPosition(dialog, IDC_TRANSLATION_SOFTWARE_LANGUAGE);
          return TRUE;
        case IDC_TRANSLATION_DOCUMENTS_LANGUAGE:
          if (code == CBN_SELCHANGE)
            editor.documentsLanguage = ListPosition(dialog, IDC_TRANSLATION_DOCUMENTS_LANGUAGE);
          return TRUE;
        case IDC_TRANSLATION_APPLY:
        case IDC_TRANSLATION_LANGUAGE:
        case IDC_TRANSLATION_FACTORY:
        case IDC_TRANSLATION_SAVE:
          return TRUE;
        case IDC_TRANSLATION_RESTORE_FACTORY:
          platform::SetCurrentFolder(savedFolder.c_str());
          RestoreFactoryFileNames(TranslationMemory(), &editor);
          platform::SetCurrentFolder(savedFolder.c_str());
          return TRUE;
        case IDC_TRANSLATION_WINDOW:
          if (code == CBN_SELCHANGE) ChooseWindow(dialog);
          return TRUE;
        case IDC_TRANSLATION_EXPRESSION:
          if (code == CBN_SELCHANGE) ChooseExpression(dialog);
          return TRUE;
        case IDC_TRANSLATION_MODIFIED:
          if (code == EN_CHANGE) TypeModifiedTranslation(dialog);
          return TRUE;
        default:
          // Escape (IDCANCEL) and any command the editor does not know close it.
          CloseEditor(dialog);
          return FALSE;
      }
    }
  }
  return FALSE;
}
