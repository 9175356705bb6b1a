// The French build's translation editor without its window: the tables it keeps for the
// life of the program (22 window names, 100 factory and 100 modified expressions, none of
// them filled from a file) and the choices the operator makes in its lists.
#pragma once

inline constexpr int kTranslationWindows = 22;
inline constexpr int kTranslationExpressions = 100;
inline constexpr int kModifiedExpressionLength = 53;

struct TranslationTables {
  char windowNames[kTranslationWindows][36];
  char factoryExpressions[kTranslationExpressions][324];
  char modifiedExpressions[kTranslationExpressions][324];
};

struct TranslationEditorState {
  int softwareLanguage;
  int documentsLanguage;
  int currentWindow;
  int currentExpression;
  char factoryFileName[30];   // "<window name>.usine"
  char modifiedFileName[30];  // "<window name>.trans"
};

// Kept from one opening of the dialog to the next while the program runs.
TranslationTables& TranslationMemory();

// At each opening: the first window and its first expression.
void OpenTranslationEditor(TranslationEditorState* state);
// The two file names of a window, cut to fit their 30 bytes.
void BuildTranslationFileNames(const char* windowName, char (&factory)[30], char (&modified)[30]);
// "Rétablir la traduction d'usine": the names of every window, one after the other.
void RestoreFactoryFileNames(const TranslationTables& tables, TranslationEditorState* state);
// A position of the windows list (CB_ERR for an empty list): true when it is another window
// than the current one, which it then becomes, with its first expression. Positions outside
// the 22 windows change nothing.
bool SelectTranslationWindow(const TranslationTables& tables, TranslationEditorState* state, int position);
// A position of the expressions list: true when it is another expression of the 100, which
// it then becomes.
bool SelectTranslationExpression(TranslationEditorState* state, int position);
// The text typed as the current expression's modified translation: at most 53 characters.
void StoreModifiedExpression(TranslationTables* tables, const TranslationEditorState& state, const char* typed);
