#include "race/text_fields.h"

#include <climits>

#include "platform/bounded.h"

namespace {

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

int SkipWhitespace(platform::TextFile& file) {
  for (;;) {
    int c = file.PeekChar();
    if (c == EOF || !IsSpace(c)) return c;
    file.GetChar();
  }
}

bool ReadWord(platform::TextFile& file, char* field, std::size_t size) {
  if (size) field[0] = '\0';
  if (SkipWhitespace(file) == EOF) return false;
  std::size_t n = 0;
  for (int c = file.PeekChar(); c != EOF && !IsSpace(c); c = file.PeekChar()) {
    file.GetChar();
    if (n + 1 < size) field[n++] = static_cast<char>(c);
  }
  if (size) field[n] = '\0';
  return true;
}

bool ReadInt(platform::TextFile& file, int* value) {
  int c = SkipWhitespace(file);
  long at = file.Tell();
  bool negative = false;
  if (c == '-' || c == '+') {
    negative = c == '-';
    file.GetChar();
    c = file.PeekChar();
  }
  if (c < '0' || c > '9') {
    file.Seek(at, SEEK_SET);
    return false;
  }
  long long number = 0;
  while (c >= '0' && c <= '9') {
    file.GetChar();
    if (number <= INT_MAX) number = number * 10 + (c - '0');
    c = file.PeekChar();
  }
  if (negative) number = -number;
  if (number > INT_MAX) number = INT_MAX;
  if (number < INT_MIN) number = INT_MIN;
  *value = static_cast<int>(number);
  return true;
}

int ReadTextField(platform::TextFile& file, char* field, std::size_t size, FieldEnd end) {
  platform::ZeroBytes(field, size);
  std::size_t n = 0;
  int c;
  while ((c = file.GetChar()) != EOF && c != '\t' && !(c == '\n' && end == FieldEnd::TabOrLineEnd)) {
    if (n + 1 < size) field[n++] = static_cast<char>(c);
  }
  if (size) field[n] = '\0';
  return c;
}

bool ReadNumberField(platform::TextFile& file, int* value) {
  int c;
  while ((c = file.PeekChar()) == ' ' || c == '\t') file.GetChar();
  if (c == '\n' || c == EOF || !ReadInt(file, value)) return false;
  if (file.PeekChar() == '\t') file.GetChar();
  return true;
}

int SkipLineEnds(platform::TextFile& file) {
  int c;
  while ((c = file.PeekChar()) == '\n') file.GetChar();
  return c;
}

void SkipRestOfLine(platform::TextFile& file) {
  int c;
  while ((c = file.GetChar()) != EOF && c != '\n') {
  }
}
