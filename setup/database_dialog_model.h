// The table logic shared by the reference database dialogs: a type-erased view of one
// fixed table (records, key field, clearing, name sort) and the key rules each dialog
// configures. The Win32 dialogs only move texts between controls and these operations.
//
// The tables are kept compact: records 0 .. count - 1 have a key and every later record is
// cleared, so the key list (the keys up to the first empty one) always shows every record
// that OK and Export write.
#pragma once

#include <cstddef>
#include <string>

namespace dbdialog {

struct TableView {
  void* records = nullptr;
  std::size_t recordSize = 0;
  int capacity = 0;
  std::size_t keyOffset = 0;
  std::size_t keyWidth = 0;
  // How a cleared record looks; null clears every byte.
  void (*clearRecord)(void* record) = nullptr;
  // The dialog's name sort over the whole table; null keeps the order of entry.
  void (*sort)(void* records) = nullptr;

  void* Record(int i) const { return static_cast<char*>(records) + recordSize * static_cast<std::size_t>(i); }
  char* Key(int i) const { return static_cast<char*>(Record(i)) + keyOffset; }
};

// The view of a std::array table whose key is the text field at keyOffset, keyWidth bytes.
template <typename Table>
TableView ViewOf(Table* table, std::size_t keyOffset, std::size_t keyWidth,
                 void (*clearRecord)(void*), void (*sort)(void*)) {
  TableView view;
  view.records = table->data();
  view.recordSize = sizeof((*table)[0]);
  view.capacity = static_cast<int>(table->size());
  view.keyOffset = keyOffset;
  view.keyWidth = keyWidth;
  view.clearRecord = clearRecord;
  view.sort = sort;
  return view;
}

struct KeyRules {
  bool ignoreCase = false;           // duplicates compared lower-cased
  std::size_t exactLength = 0;       // 0: any length
  const char* toUnderscore = "";     // characters replaced by '_' before any test
  bool secondMayNotBeBlank = false;  // two-character codes
  bool plainCharactersOnly = false;  // unaccented letters, digits and blanks, else a message
  bool reservedDriverNames = false;  // "(NA)", "PisteRallye", "...CourseRallye..."
};

enum class KeyCheck { Accepted, Refused, RefusedWithMessage };

// Replaces the rule's characters by '_' and TAB or line breaks by blanks, in place.
void NormalizeKey(const KeyRules& rules, char* key);
// The tests on the text alone: plain characters (the only refusal with a message), then
// empty, blank-led, length and reserved names.
KeyCheck CheckKeyText(const KeyRules& rules, const char* key);
bool IsPlainText(const char* text);
bool IsReservedDriverName(const char* name);

// The number of records before the first empty key.
int CountKeys(const TableView& table);
void ClearRecord(const TableView& table, int index);
void ClearTable(const TableView& table);
// Moves every record with a key forward in its order and clears the rest.
void CompactTable(const TableView& table);
// The first record in list order whose key equals key (ignoring case or exactly); -1 if none.
int FindKey(const TableView& table, const char* key, bool ignoreCase);

// Add: normalises a copy of typed (at most keyWidth - 1 bytes), checks it, stores it in the
// first free record and sorts. Returns the list index to select, or -1 when refused;
// *check tells how.
int AddKey(const TableView& table, const KeyRules& rules, const char* typed, KeyCheck* check);

// Removes the record at index: by position in a table kept in order of entry, otherwise by
// clearing every record whose key equals its key exactly and sorting. False (nothing done)
// for an index outside the list or when fewer than minimumCount records are listed.
bool RemoveAt(const TableView& table, int index, int minimumCount);

// After Import and load: drops every record that Add would refuse (bad key, or a key that
// repeats an earlier one) and compacts. Returns the number dropped.
int DropRefusedRecords(const TableView& table, const KeyRules& rules);

// The records among the first readRecords slots (the lines an import read) whose key is
// empty: the lines without a name.
int CountWithoutKey(const TableView& table, int readRecords);

// What an import took and left out, for the one message that follows it.
struct ImportReport {
  int taken = 0;           // records in the list after the import
  int withoutKey = 0;      // lines with an empty key
  int refused = 0;         // reserved, incorrect or repeated keys
  int beyondCapacity = 0;  // records of the file beyond the list's capacity
  int fieldsCut = 0;       // texts cut to the width of their field
  bool LeftSomethingOut() const { return withoutKey + refused + beyondCapacity + fieldsCut > 0; }
};
// The message: what was taken, then one line per reason with a count; capacity is the
// list's. Empty when nothing was left out or cut.
std::string ImportReportText(const ImportReport& report, int capacity);
// The warning of a dialog whose database file holds more records than its list.
std::string BeyondCapacityText(const char* file, int beyond, int capacity);

// TAB always, and line breaks unless multiLine, become blanks, so that a stored text never
// shifts the fields of its line.
void SanitizeText(char* text, bool multiLine);

// "<folder>\<pattern>"; false (out empty) when it does not fit.
bool BuildExportProposal(const char* folder, const char* pattern, char* out, std::size_t size);

// Writes the file through "<target>.tmp" and replaces target only when write succeeded
// for the whole file; the previous file stays otherwise.
bool ReplaceDatabaseFile(const char* target, bool (*write)(const char* path, const void* context),
                 const void* context);

}  // namespace dbdialog
