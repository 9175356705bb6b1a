#include "race/database_layout.h"

#include <climits>
#include <cstring>
#include <vector>

namespace {

char* At(void* record, std::size_t offset) { return static_cast<char*>(record) + offset; }
const char* At(const void* record, std::size_t offset) {
  return static_cast<const char*>(record) + offset;
}

// Whether the text behind a line end inside a multi-line last field still belongs to it:
// true when the next TAB closes a line (or the file), as the field's own TAB does; false
// when it is followed by more fields (the next record) or no TAB comes at all. The file is
// left where it was. *closingTab receives the offset of that TAB, so that the further line
// ends before it are taken without another scan.
bool TextContinues(platform::TextFile& file, long* closingTab) {
  const long at = file.Tell();
  int c = file.GetChar();
  while (c != EOF && c != '\t') c = file.GetChar();
  bool continues = false;
  if (c == '\t') {
    int next = file.PeekChar();
    continues = next == '\n' || next == EOF;
    if (continues) *closingTab = file.Tell() - 1;
  }
  file.Seek(at, SEEK_SET);
  return continues;
}

}  // namespace

FieldStop ReadField(platform::TextFile& file, char* field, std::size_t width, bool spansLines,
                    bool* cut) {
  std::size_t n = 0;
  bool dropped = false;
  bool crStored = false;  // the last byte read was a CR, kept in the field
  long closingTab = -1;
  FieldStop end;
  for (;;) {
    int c = file.GetChar();
    if (c == EOF) {
      end = FieldStop::FileEnd;
      break;
    }
    if (c == '\t') {
      end = FieldStop::Tab;
      break;
    }
    if (c == '\n') {
      bool inside = spansLines && ((closingTab >= 0 && file.Tell() <= closingTab) || TextContinues(file, &closingTab));
      if (!inside) {
        end = FieldStop::LineEnd;
        break;
      }
    }
    crStored = false;
    if (field && n + 1 < width) {
      field[n++] = static_cast<char>(c);
      crStored = c == '\r';
    } else {
      dropped = true;
    }
  }
  // A line ended CR CR LF (or LF after a CR): the CR belongs to the line end.
  if (end != FieldStop::Tab && crStored) --n;
  if (field && width && n) field[n] = '\0';
  if (cut) *cut = dropped && field != nullptr;
  return end;
}

bool ReadTabField(platform::TextFile& file, char* field, std::size_t width) {
  std::size_t n = 0;
  for (;;) {
    int c = file.GetChar();
    if (c == EOF || c == '\t') {
      if (field && width && n) field[n] = '\0';
      return c == '\t';
    }
    if (field && n + 1 < width) field[n++] = static_cast<char>(c);
  }
}

bool ParseInt(const char* text, int* value) {
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  if (*p < '0' || *p > '9') return false;
  long long number = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (number <= INT_MAX) number = number * 10 + (*p - '0');
  }
  if (negative) number = -number;
  if (number > INT_MAX) number = INT_MAX;
  if (number < INT_MIN) number = INT_MIN;
  *value = static_cast<int>(number);
  return true;
}

FieldStop ReadIntField(platform::TextFile& file, int* value) {
  // Wide enough for any int with blanks around it; longer junk is cut, not overrun.
  char text[32] = {0};
  FieldStop end = ReadField(file, text, sizeof text, false);
  ParseInt(text, value);
  return end;
}

void SkipLine(platform::TextFile& file) {
  for (int c = file.GetChar(); c != EOF && c != '\n'; c = file.GetChar()) {
  }
}

int ReadRecord(platform::TextFile& file, void* record, const FieldLayout* fields,
               std::size_t fieldCount) {
  int cutFields = 0;
  for (std::size_t i = 0; i < fieldCount; ++i) {
    const FieldLayout& field = fields[i];
    FieldStop end = FieldStop::Tab;
    bool cut = false;
    switch (field.type) {
      case FieldType::Text:
        end = ReadField(file, At(record, field.offset), field.width, field.spansLines, &cut);
        break;
      case FieldType::Int:
        end = ReadIntField(file, reinterpret_cast<int*>(At(record, field.offset)));
        break;
      case FieldType::Skip:
        end = ReadField(file, nullptr, 0, field.spansLines);
        break;
    }
    if (cut) ++cutFields;
    if (end != FieldStop::Tab) return cutFields;  // a short line, or the end of the file
  }
  SkipLine(file);
  return cutFields;
}

namespace {

// Blank lines hold no record; true when a record follows.
bool AtRecord(platform::TextFile& file) {
  while (file.PeekChar() == '\n') file.GetChar();
  return !file.AtEnd();
}

}  // namespace

int ReadRecords(platform::TextFile& file, void* table, std::size_t recordSize,
                std::size_t capacity, const FieldLayout* fields, std::size_t fieldCount,
                void (*prepare)(void* record), ReadCounts* counts) {
  std::size_t slot = 0;
  int cutFields = 0;
  // Each record consumes at least one byte, so the loops end at the end of the file.
  for (; slot < capacity && AtRecord(file); ++slot) {
    void* record = At(table, slot * recordSize);
    if (prepare) prepare(record);
    cutFields += ReadRecord(file, record, fields, fieldCount);
  }
  if (counts) {
    counts->records = static_cast<int>(slot);
    counts->fieldsCut = cutFields;
    counts->beyondCapacity = 0;
    std::vector<char> scratch(recordSize);
    while (AtRecord(file)) {
      ReadRecord(file, scratch.data(), fields, fieldCount);
      ++counts->beyondCapacity;
    }
  }
  return static_cast<int>(slot);
}

bool WriteTextField(platform::TextFile& file, const char* text, std::size_t width, bool spansLines) {
  std::size_t n = 0;
  while (n + 1 < width && text[n] != '\0') ++n;
  char chunk[256];
  bool ok = true;
  for (std::size_t start = 0; start < n; start += sizeof chunk) {
    std::size_t length = n - start < sizeof chunk ? n - start : sizeof chunk;
    std::memcpy(chunk, text + start, length);
    for (std::size_t i = 0; i < length; ++i) {
      if (chunk[i] == '\t' || (!spansLines && (chunk[i] == '\n' || chunk[i] == '\r'))) chunk[i] = ' ';
    }
    ok = file.Write(chunk, length) && ok;
  }
  return file.PutChar('\t') && ok;
}

bool WriteRecord(platform::TextFile& file, const void* record, const FieldLayout* fields,
                 std::size_t fieldCount) {
  bool ok = true;
  for (std::size_t i = 0; i < fieldCount; ++i) {
    const FieldLayout& field = fields[i];
    switch (field.type) {
      case FieldType::Text:
        ok = WriteTextField(file, At(record, field.offset), field.width, field.spansLines) && ok;
        break;
      case FieldType::Int: {
        int value;
        std::memcpy(&value, At(record, field.offset), sizeof value);
        ok = file.Printf("%d\t", value) > 0 && ok;
        break;
      }
      case FieldType::Skip:
        ok = file.PutChar('\t') && ok;
        break;
    }
  }
  return file.PutChar('\n') && ok;
}

bool ReadRecordsFile(const char* path, void* table, std::size_t recordSize, std::size_t capacity,
                     const FieldLayout* fields, std::size_t fieldCount,
                     void (*prepare)(void* record), ReadCounts* counts) {
  platform::TextFile file(path, "r+");
  if (!file) return false;
  file.Rewind();
  ReadRecords(file, table, recordSize, capacity, fields, fieldCount, prepare, counts);
  return true;
}

bool WriteRecordsFile(const char* path, const void* table, std::size_t recordSize,
                      std::size_t capacity, int count, const FieldLayout* fields,
                      std::size_t fieldCount) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  std::size_t records = count < 0 ? 0 : static_cast<std::size_t>(count);
  if (records > capacity) records = capacity;
  bool ok = true;
  for (std::size_t i = 0; i < records; ++i) {
    ok = WriteRecord(file, At(table, i * recordSize), fields, fieldCount) && ok;
  }
  return file.Flush() && ok;
}
