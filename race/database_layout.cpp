#include "race/database_layout.h"

#include <climits>
#include <cstring>

namespace {

char* At(void* record, std::size_t offset) { return static_cast<char*>(record) + offset; }
const char* At(const void* record, std::size_t offset) {
  return static_cast<const char*>(record) + offset;
}

}  // namespace

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

bool ReadIntField(platform::TextFile& file, int* value) {
  // Wide enough for any int with blanks around it; longer junk is cut, not overrun.
  char text[32] = {0};
  bool tab = ReadTabField(file, text, sizeof text);
  ParseInt(text, value);
  return tab;
}

void SkipLine(platform::TextFile& file) {
  for (int c = file.GetChar(); c != EOF && c != '\n'; c = file.GetChar()) {
  }
}

void ReadRecord(platform::TextFile& file, void* record, const FieldLayout* fields,
                std::size_t fieldCount) {
  for (std::size_t i = 0; i < fieldCount; ++i) {
    const FieldLayout& field = fields[i];
    bool tab = true;
    switch (field.type) {
      case FieldType::Text:
        tab = ReadTabField(file, At(record, field.offset), field.width);
        break;
      case FieldType::Int:
        tab = ReadIntField(file, reinterpret_cast<int*>(At(record, field.offset)));
        break;
      case FieldType::Skip:
        tab = ReadTabField(file, nullptr, 0);
        break;
    }
    if (!tab) return;  // end of file
  }
  SkipLine(file);
}

int ReadRecords(platform::TextFile& file, void* table, std::size_t recordSize,
                std::size_t capacity, const FieldLayout* fields, std::size_t fieldCount,
                void (*prepare)(void* record)) {
  std::size_t slot = 0;
  // Each record consumes at least one byte, so the loop ends at the end of the file.
  for (; slot < capacity && !file.AtEnd(); ++slot) {
    void* record = At(table, slot * recordSize);
    if (prepare) prepare(record);
    ReadRecord(file, record, fields, fieldCount);
  }
  return static_cast<int>(slot);
}

bool WriteTextField(platform::TextFile& file, const char* text, std::size_t width) {
  std::size_t n = 0;
  while (n + 1 < width && text[n] != '\0') ++n;
  char chunk[256];
  bool ok = true;
  for (std::size_t start = 0; start < n; start += sizeof chunk) {
    std::size_t length = n - start < sizeof chunk ? n - start : sizeof chunk;
    std::memcpy(chunk, text + start, length);
    for (std::size_t i = 0; i < length; ++i) {
      if (chunk[i] == '\t') chunk[i] = ' ';
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
        ok = WriteTextField(file, At(record, field.offset), field.width) && ok;
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
                     void (*prepare)(void* record)) {
  platform::TextFile file(path, "r+");
  if (!file) return false;
  file.Rewind();
  ReadRecords(file, table, recordSize, capacity, fields, fieldCount, prepare);
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
