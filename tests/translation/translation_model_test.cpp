// The translation editor's tables and the guards on what its lists report.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "translation/translation_model.h"

namespace {

TEST(TranslationEditor, FileNamesAreBuiltWithinTheirThirtyBytes) {
  char factory[30], modified[30];
  BuildTranslationFileNames("", factory, modified);
  EXPECT_STREQ(factory, ".usine");
  EXPECT_STREQ(modified, ".trans");
  BuildTranslationFileNames("Principale", factory, modified);
  EXPECT_STREQ(factory, "Principale.usine");
  EXPECT_STREQ(modified, "Principale.trans");
  // 35 characters, the widest window name: cut so that the extension stays whole.
  std::string longest(35, 'w');
  BuildTranslationFileNames(longest.c_str(), factory, modified);
  EXPECT_EQ(std::string(factory), std::string(23, 'w') + ".usine");
  EXPECT_EQ(std::string(modified), std::string(23, 'w') + ".trans");
  TranslationTables tables = {};
  for (auto& name : tables.windowNames) platform::CopyBounded(name, longest.c_str());
  TranslationEditorState state = {};
  RestoreFactoryFileNames(tables, &state);
  EXPECT_EQ(std::strlen(state.factoryFileName), 29u);
}

TEST(TranslationEditor, ListPositionsOutsideTheTablesChangeNothing) {
  TranslationTables tables = {};
  TranslationEditorState state = {};
  OpenTranslationEditor(&state);
  // An empty list reports -1 (CB_ERR).
  EXPECT_FALSE(SelectTranslationWindow(tables, &state, -1));
  EXPECT_FALSE(SelectTranslationWindow(tables, &state, 22));
  EXPECT_FALSE(SelectTranslationWindow(tables, &state, 0)) << "already the current window";
  EXPECT_EQ(state.currentWindow, 0);
  EXPECT_FALSE(SelectTranslationExpression(&state, -1));
  EXPECT_FALSE(SelectTranslationExpression(&state, 100));
  EXPECT_EQ(state.currentExpression, 0);

  ASSERT_TRUE(SelectTranslationExpression(&state, 99));
  ASSERT_TRUE(SelectTranslationWindow(tables, &state, 21));
  EXPECT_EQ(state.currentWindow, 21);
  EXPECT_EQ(state.currentExpression, 0) << "a new window starts at its first expression";
  EXPECT_STREQ(state.factoryFileName, ".usine");
}

TEST(TranslationEditor, TheModifiedTranslationKeepsAtMost53CharactersOfTheCurrentExpression) {
  TranslationTables tables = {};
  TranslationEditorState state = {};
  OpenTranslationEditor(&state);
  StoreModifiedExpression(&tables, state, std::string(80, 'x').c_str());
  EXPECT_EQ(std::string(tables.modifiedExpressions[0]), std::string(53, 'x'));
  StoreModifiedExpression(&tables, state, "court");
  EXPECT_STREQ(tables.modifiedExpressions[0], "court");
  state.currentExpression = -1;  // never from a list, but never written through either
  StoreModifiedExpression(&tables, state, "rien");
  state.currentExpression = 100;
  StoreModifiedExpression(&tables, state, "rien");
  EXPECT_STREQ(tables.modifiedExpressions[0], "court");
  EXPECT_STREQ(tables.modifiedExpressions[99], "");
}

}  // namespace
