// The layout of every database file and of its export and import files: one record per
// line, every field followed by a TAB ("%s\t" or "%d\t"), the line ended by LF after the
// last field's TAB. No header, no count, no trailer.
//
// A field ends at its TAB or at the end of its line: a line cut short (hand edits, other
// programs) gives its missing fields empty and never pulls the next line into a field.
// The one exception is a multi-line last field (car category characteristics, championship
// and penalty descriptions): the program writes its line breaks as they stand, so the field
// goes on past a line end when the text behind it reaches its closing TAB at the end of a
// line, as such a field does; a line end followed by another record ends it. Every read is
// bounded to the field and to the table, and stops at the end of the file.
#pragma once

#include <array>
#include <cstddef>

#include "platform/text_file.h"

enum class FieldType { Text, Int, Skip };

// One field of a line, in file order: where it lands in the record and how wide it is.
struct FieldLayout {
  FieldType type;
  std::size_t offset;
  std::size_t width;        // bytes of a text field, its terminating zero included
  bool spansLines = false;  // a multi-line last field (see above)
};

constexpr FieldLayout TextAt(std::size_t offset, std::size_t width) {
  return {FieldType::Text, offset, width};
}
constexpr FieldLayout IntAt(std::size_t offset) { return {FieldType::Int, offset, sizeof(int)}; }
constexpr FieldLayout Skipped() { return {FieldType::Skip, 0, 0}; }
// The last field of a line that may hold line breaks.
constexpr FieldLayout MultiLineTextAt(std::size_t offset, std::size_t width) {
  return {FieldType::Text, offset, width, true};
}
constexpr FieldLayout SkippedMultiLine() { return {FieldType::Skip, 0, 0, true}; }

// What a reading left out, for the caller's message: the records read into the table, the
// records of the file beyond its capacity and the text fields cut to their width.
struct ReadCounts {
  int records = 0;
  int beyondCapacity = 0;
  int fieldsCut = 0;
};

enum class FieldStop { Tab, LineEnd, FileEnd };

// Reads one field up to its TAB (consumed, not stored) or the end of its line (consumed);
// spansLines: the multi-line rule above. A non-empty text is stored with at most
// width - 1 bytes and terminated (*cut, when not null, tells that bytes were dropped); an
// empty one leaves the field as it was, so callers clear their tables first. field may be
// null to skip the field. A CR left before the line end is not kept.
FieldStop ReadField(platform::TextFile& file, char* field, std::size_t width, bool spansLines,
                    bool* cut = nullptr);

// Reads a text field up to its TAB whatever lines it spans (a text of its own, such as the
// stage comment, not a database line); otherwise as ReadField. False when the file ended
// before the TAB.
bool ReadTabField(platform::TextFile& file, char* field, std::size_t width);
// Reads a number field up to its TAB or line end. A field that holds no number leaves
// *value as it was; a number beyond the int range is clamped.
FieldStop ReadIntField(platform::TextFile& file, int* value);
// Skips every byte up to and including the next LF.
void SkipLine(platform::TextFile& file);

// Decimal text to int as the C runtime's "%d" takes it (leading blanks, a sign, digits),
// clamped to the int range. False when no digit stands there.
bool ParseInt(const char* text, int* value);

// Reads the fields of one record in layout order, then the rest of its line; the fields
// a short line lacks are left as they were. Returns the number of text fields cut.
int ReadRecord(platform::TextFile& file, void* record, const FieldLayout* fields,
               std::size_t fieldCount);
// Reads records into slots 0, 1, ... until the end of the file or the capacity; blank lines
// take no slot. prepare (may be null) runs on each slot before it is filled. Returns the
// number of slots filled. With counts, the records beyond the capacity are read (and
// dropped) to be counted; without, reading stops at the capacity.
int ReadRecords(platform::TextFile& file, void* table, std::size_t recordSize,
                std::size_t capacity, const FieldLayout* fields, std::size_t fieldCount,
                void (*prepare)(void* record) = nullptr, ReadCounts* counts = nullptr);

// Writes a text field and its TAB. At most width - 1 bytes are written, and a TAB inside
// the text is written as a blank: it would end the field early and shift every field
// after it when the file is read back. So is a line break, unless spansLines.
bool WriteTextField(platform::TextFile& file, const char* text, std::size_t width,
                    bool spansLines = true);
// Writes the fields of one record in layout order, each followed by a TAB, then LF.
bool WriteRecord(platform::TextFile& file, const void* record, const FieldLayout* fields,
                 std::size_t fieldCount);

// Opens path for update ("r+") and reads it into the capacity records at table. False when
// it cannot be opened; the table is then left untouched.
bool ReadRecordsFile(const char* path, void* table, std::size_t recordSize, std::size_t capacity,
                     const FieldLayout* fields, std::size_t fieldCount,
                     void (*prepare)(void* record) = nullptr, ReadCounts* counts = nullptr);
// Creates or empties path ("w+") and writes records 0 .. count - 1 (count clamped to the
// capacity). False when the file cannot be created or a write fails.
bool WriteRecordsFile(const char* path, const void* table, std::size_t recordSize,
                      std::size_t capacity, int count, const FieldLayout* fields,
                      std::size_t fieldCount);

template <typename Record, std::size_t Capacity, std::size_t FieldCount>
bool ReadTableFile(const char* path, std::array<Record, Capacity>* table,
                   const std::array<FieldLayout, FieldCount>& layout,
                   void (*prepare)(void* record) = nullptr, ReadCounts* counts = nullptr) {
  return ReadRecordsFile(path, table->data(), sizeof(Record), Capacity, layout.data(), FieldCount,
                         prepare, counts);
}

template <typename Record, std::size_t Capacity, std::size_t FieldCount>
bool WriteTableFile(const char* path, const std::array<Record, Capacity>& table, int count,
                    const std::array<FieldLayout, FieldCount>& layout) {
  return WriteRecordsFile(path, table.data(), sizeof(Record), Capacity, count, layout.data(),
                          FieldCount);
}
