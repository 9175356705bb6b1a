// The shared machinery of the reference database dialogs: one dialog procedure body that
// each member configures with a DialogSpec (controls, table view, key rules, files, texts)
// and a few hooks for its own fields.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "race/database_layout.h"
#include "resources/texts.h"
#include "setup/database_dialog_model.h"

namespace dbdialog {

enum class FieldKind {
  Edit,             // single line
  MultiLineEdit,    // keeps its line breaks
  UnderscoredEdit,  // single line, '-' stored as '_'
  Transponder,      // stored only when exactly six characters
  Combo,            // the chosen entry's text
};

struct FieldBinding {
  int control;
  std::size_t offset;
  std::size_t width;
  int limit;
  FieldKind kind;
};

struct LabelText {
  int control;
  Text text;
};

struct PictureArea {
  RECT area;         // invalidated when the picture changes
  int x, y, width, height;  // where the picture is painted
  RECT clicks;       // double-clicks inside, bounds included, pick or forget the picture
  std::size_t pathOffset;
  std::size_t pathWidth;
};

struct DialogSpec {
  Text caption;
  const LabelText* labels;
  int labelCount;
  const int* bold;
  int boldCount;
  int keyList, positionBox, newField, keyDisplay;  // 0: the dialog has none
  int addButton, removeButton, importButton, exportButton;
  int newLimit;
  const FieldBinding* fields;
  int fieldCount;
  TableView (*view)();
  KeyRules (*rules)();
  int minimumToRemove;
  bool fixedList;           // every record listed, none added or removed
  bool selectFirstAfterAdd;
  bool removeThenAdd;       // Remove ends as Add does
  bool keepsFolder;         // remembers and restores the current folder
  const char* databaseFile;
  // Both into the cleared private table; counts: what the reading left out.
  bool (*read)(ReadCounts* counts);
  bool (*importFile)(const char* path, ReadCounts* counts);
  bool (*write)(const char* path, int count);
  Text fileMessage, importMessage, exportMessage;
  Text filterText;
  const char* pattern;
  const char* extension;
  const PictureArea* picture;  // null: no picture
  // Hooks, each may be null.
  void (*fillCombos)(HWND dialog);
  void (*loadCorrections)(HWND dialog, bool opening);
  void (*showDerived)(HWND dialog, int index);
  bool (*command)(HWND dialog, int index, int control, int code);
};

INT_PTR HandleDatabaseDialog(const DialogSpec& spec, HWND dialog, UINT message, WPARAM wParam,
                             LPARAM lParam);

// Helpers for the members' hooks.
std::string ControlText(HWND dialog, int control);
std::string ComboEntry(HWND combo, int index);
std::vector<std::string> ComboEntries(HWND combo, int maxEntries);
int ComboSelection(HWND dialog, int control);
void ShowError(HWND dialog, Text message, unsigned icon = 0);
void SetShownPicture(HWND dialog, const PictureArea& picture, const char* path);

}  // namespace dbdialog
