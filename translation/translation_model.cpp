#include "translation/translation_model.h"

#include <cstdio>

#include "platform/bounded.h"

TranslationTables& TranslationMemory() {
  static TranslationTables tables;
  return tables;
}

void OpenTranslationEditor(TranslationEditorState* state) {
  state->currentWindow = 0;
  state->currentExpression = 0;
}

void BuildTranslationFileNames(const char* windowName, char (&factory)[30], char (&modified)[30]) {
  platform::ZeroBytes(factory, sizeof factory);
  platform::ZeroBytes(modified, sizeof modified);
  // A long window name is cut, so that the extension always shows whole.
  std::snprintf(factory, sizeof factory, "%.*s.usine", static_cast<int>(sizeof factory - 7), windowName);
  std::snprintf(modified, sizeof modified, "%.*s.trans", static_cast<int>(sizeof modified - 7), windowName);
}

void RestoreFactoryFileNames(const TranslationTables& tables, TranslationEditorState* state) {
  for (int w = 0; w < kTranslationWindows; ++w)
    BuildTranslationFileNames(tables.windowNames[w], state->factoryFileName, state->modifiedFileName);
}

bool SelectTranslationWindow(const TranslationTables& tables, TranslationEditorState* state, int position) {
  if (position < 0 || position >= kTranslationWindows || position == state->currentWindow) return false;
  state->currentWindow = position;
  state->currentExpression = 0;
  BuildTranslationFileNames(tables.windowNames[position], state->factoryFileName, state->modifiedFileName);
  return true;
}

bool SelectTranslationExpression(TranslationEditorState* state, int position) {
  if (position < 0 || position >= kTranslationExpressions || position == state->currentExpression) return false;
  state->currentExpression = position;
  return true;
}

void StoreModifiedExpression(TranslationTables* tables, const TranslationEditorState& state, const char* typed) {
  int expression = state.currentExpression;
  if (expression < 0 || expression >= kTranslationExpressions) return;
  char* slot = tables->modifiedExpressions[expression];
  platform::ZeroBytes(slot, sizeof tables->modifiedExpressions[expression]);
  platform::CopyBounded(slot, kModifiedExpressionLength + 1, typed);
}
