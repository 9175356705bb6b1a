#include "setup/database_dialog_model.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"

namespace dbdialog {
namespace {

bool SameKey(const char* a, const char* b, std::size_t width, bool ignoreCase) {
  if (!ignoreCase) return std::strncmp(a, b, width) == 0;
  for (std::size_t i = 0; i < width; ++i) {
    int x = std::tolower(static_cast<unsigned char>(a[i]));
    int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return false;
    if (x == 0) return true;
  }
  return true;
}

}  // namespace

void SanitizeText(char* text, bool multiLine) {
  for (char* c = text; *c; ++c) {
    if (*c == '\t' || (!multiLine && (*c == '\r' || *c == '\n'))) *c = ' ';
  }
}

void NormalizeKey(const KeyRules& rules, char* key) {
  for (char* c = key; *c; ++c) {
    if (std::strchr(rules.toUnderscore, *c)) *c = '_';
  }
  SanitizeText(key, false);
}

bool IsPlainText(const char* text) {
  for (const char* c = text; *c; ++c) {
    unsigned char u = static_cast<unsigned char>(*c);
    bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ';
    if (!plain) return false;
  }
  return true;
}

bool IsReservedDriverName(const char* name) {
  // These names stand for the event's own entries in the event file and its tree.
  return std::strcmp(name, "(NA)") == 0 || std::strcmp(name, "PisteRallye") == 0 ||
         std::strstr(name, "CourseRallye") != nullptr;
}

KeyCheck CheckKeyText(const KeyRules& rules, const char* key) {
  if (rules.plainCharactersOnly && !IsPlainText(key)) return KeyCheck::RefusedWithMessage;
  if (key[0] == '\0' || key[0] == ' ') return KeyCheck::Refused;
  if (rules.secondMayNotBeBlank && key[1] == ' ') return KeyCheck::Refused;
  if (rules.exactLength != 0 && std::strlen(key) != rules.exactLength) return KeyCheck::Refused;
  if (rules.reservedDriverNames && IsReservedDriverName(key)) return KeyCheck::Refused;
  return KeyCheck::Accepted;
}

int CountKeys(const TableView& table) {
  int count = 0;
  while (count < table.capacity && table.Key(count)[0] != '\0') ++count;
  return count;
}

void ClearRecord(const TableView& table, int index) {
  void* record = table.Record(index);
  if (table.clearRecord) {
    table.clearRecord(record);
  } else {
    platform::ZeroBytes(record, table.recordSize);
  }
}

void ClearTable(const TableView& table) {
  for (int i = 0; i < table.capacity; ++i) ClearRecord(table, i);
}

void CompactTable(const TableView& table) {
  int kept = 0;
  for (int i = 0; i < table.capacity; ++i) {
    if (table.Key(i)[0] == '\0') continue;
    if (kept != i) std::memcpy(table.Record(kept), table.Record(i), table.recordSize);
    ++kept;
  }
  for (int i = kept; i < table.capacity; ++i) ClearRecord(table, i);
}

int FindKey(const TableView& table, const char* key, bool ignoreCase) {
  int count = CountKeys(table);
  for (int i = 0; i < count; ++i) {
    if (SameKey(table.Key(i), key, table.keyWidth, ignoreCase)) return i;
  }
  return -1;
}

int AddKey(const TableView& table, const KeyRules& rules, const char* typed, KeyCheck* check) {
  // A fixed-length code is judged on everything typed, not on what fits the field.
  if (rules.exactLength != 0 && std::strlen(typed) != rules.exactLength) {
    *check = KeyCheck::Refused;
    return -1;
  }
  std::string key(table.keyWidth, '\0');
  platform::CopyBounded(&key[0], table.keyWidth, typed);
  NormalizeKey(rules, &key[0]);
  *check = CheckKeyText(rules, key.c_str());
  if (*check != KeyCheck::Accepted) return -1;
  int count = CountKeys(table);
  if (FindKey(table, key.c_str(), rules.ignoreCase) >= 0 || count >= table.capacity) {
    *check = KeyCheck::Refused;
    return -1;
  }
  // The free record may hold leftovers of an import beyond the list: start it afresh.
  ClearRecord(table, count);
  platform::CopyBounded(table.Key(count), table.keyWidth, key.c_str());
  if (table.sort) table.sort(table.records);
  return FindKey(table, key.c_str(), true);
}

bool RemoveAt(const TableView& table, int index, int minimumCount) {
  int count = CountKeys(table);
  if (index < 0 || index >= count || count < minimumCount) return false;
  if (!table.sort) {
    ClearRecord(table, index);
    CompactTable(table);
    return true;
  }
  std::string key(table.Key(index), strnlen(table.Key(index), table.keyWidth));
  for (int i = 0; i < table.capacity; ++i) {
    if (std::strncmp(table.Key(i), key.c_str(), table.keyWidth) == 0) ClearRecord(table, i);
  }
  table.sort(table.records);
  return true;
}

int DropRefusedRecords(const TableView& table, const KeyRules& rules) {
  int dropped = 0;
  for (int i = 0; i < table.capacity; ++i) {
    char* key = table.Key(i);
    if (key[0] == '\0') continue;
    key[table.keyWidth - 1] = '\0';
    NormalizeKey(rules, key);
    bool refused = CheckKeyText(rules, key) != KeyCheck::Accepted;
    for (int j = 0; j < i && !refused; ++j) {
      refused = table.Key(j)[0] != '\0' && SameKey(table.Key(j), key, table.keyWidth, rules.ignoreCase);
    }
    if (refused) {
      ClearRecord(table, i);
      ++dropped;
    }
  }
  CompactTable(table);
  return dropped;
}

int CountWithoutKey(const TableView& table, int readRecords) {
  int count = 0;
  for (int i = 0; i < readRecords && i < table.capacity; ++i) {
    if (table.Key(i)[0] == '\0') ++count;
  }
  return count;
}

namespace {

void AppendCount(std::string* text, Text format, int count, int capacity = 0) {
  if (count <= 0) return;
  char line[256];
  std::snprintf(line, sizeof line, Tr(format), count, capacity);
  *text += "\n";
  *text += line;
}

}  // namespace

std::string ImportReportText(const ImportReport& report, int capacity) {
  if (!report.LeftSomethingOut()) return std::string();
  char line[256];
  std::snprintf(line, sizeof line, Tr(Text::DbImportTaken), report.taken);
  std::string text = line;
  AppendCount(&text, Text::DbImportWithoutKey, report.withoutKey);
  AppendCount(&text, Text::DbImportRefused, report.refused);
  AppendCount(&text, Text::DbImportBeyondCapacity, report.beyondCapacity, capacity);
  AppendCount(&text, Text::DbImportFieldsCut, report.fieldsCut);
  return text;
}

std::string BeyondCapacityText(const char* file, int beyond, int capacity) {
  char text[512];
  std::snprintf(text, sizeof text, Tr(Text::DbFileBeyondCapacity), file, beyond, capacity);
  return text;
}

bool BuildExportProposal(const char* folder, const char* pattern, char* out, std::size_t size) {
  int n = std::snprintf(out, size, "%s\\%s", folder, pattern);
  if (n < 0 || static_cast<std::size_t>(n) >= size) {
    if (size) out[0] = '\0';
    return false;
  }
  return true;
}

bool ReplaceDatabaseFile(const char* target, bool (*write)(const char* path, const void* context),
                 const void* context) {
  std::string temporary = std::string(target) + ".tmp";
  if (!write(temporary.c_str(), context)) {
    platform::DeleteFileAt(temporary.c_str());
    return false;
  }
  if (!platform::MoveFileOver(temporary.c_str(), target)) {
    platform::DeleteFileAt(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace dbdialog
