// The layout of every database file and of its export and import files: one record per
// line, every field followed by a TAB ("%s\t" or "%d\t"), the line ended by LF after the
// last field's TAB. No header, no count, no trailer.
//
// A text field is read up to its TAB, across line ends: the multi-line fields (car category
// characteristics, championship and penalty descriptions) keep their line breaks, so one
// record may span several text lines. Every read is bounded to the field and to the table,
// and stops at the end of the file.
#pragma once

#include <array>
#include <cstddef>

#include "platform/text_file.h"

enum class FieldType { Text, Int, Skip };

// One field of a line, in file order: where it lands in the record and how wide it is.
struct FieldLayout {
  FieldType type;
  std::size_t offset;
  std::size_t width;  // bytes of a text field, its terminating zero included
};

constexpr FieldLayout TextAt(std::size_t offset, std::size_t width) {
  return {FieldType::Text, offset, width};
}
constexpr FieldLayout IntAt(std::size_t offset) { return {FieldType::Int, offset, sizeof(int)}; }
constexpr FieldLayout Skipped() { return {FieldType::Skip, 0, 0}; }

// Reads a text field up to its TAB, which is consumed. A non-empty text is stored with at
// most width - 1 bytes and terminated (the rest is skipped); an empty one leaves the field
// as it was, so callers clear their tables first. field may be null to skip the field.
// False when the file ended before the TAB.
bool ReadTabField(platform::TextFile& file, char* field, std::size_t width);
// Reads a number field up to its TAB. A field that holds no number leaves *value as it was;
// a number beyond the int range is clamped.
bool ReadIntField(platform::TextFile& file, int* value);
// Skips every byte up to and including the next LF.
void SkipLine(platform::TextFile& file);

// Decimal text to int as the C runtime's "%d" takes it (leading blanks, a sign, digits),
// clamped to the int range. False when no digit stands there.
bool ParseInt(const char* text, int* value);

// Reads the fields of one record in layout order, then the rest of its line.
void ReadRecord(platform::TextFile& file, void* record, const FieldLayout* fields,
                std::size_t fieldCount);
// Reads records into slots 0, 1, ... until the end of the file or the capacity; a line
// beyond the capacity is not read. prepare (may be null) runs on each slot before it is
// filled. Returns the number of slots filled.
int ReadRecords(platform::TextFile& file, void* table, std::size_t recordSize,
                std::size_t capacity, const FieldLayout* fields, std::size_t fieldCount,
                void (*prepare)(void* record) = nullptr);

// Writes a text field and its TAB. At most width - 1 bytes are written, and a TAB inside
// the text is written as a blank: it would end the field early and shift every field
// after it when the file is read back.
bool WriteTextField(platform::TextFile& file, const char* text, std::size_t width);
// Writes the fields of one record in layout order, each followed by a TAB, then LF.
bool WriteRecord(platform::TextFile& file, const void* record, const FieldLayout* fields,
                 std::size_t fieldCount);

// Opens path for update ("r+") and reads it into the capacity records at table. False when
// it cannot be opened; the table is then left untouched.
bool ReadRecordsFile(const char* path, void* table, std::size_t recordSize, std::size_t capacity,
                     const FieldLayout* fields, std::size_t fieldCount,
                     void (*prepare)(void* record) = nullptr);
// Creates or empties path ("w+") and writes records 0 .. count - 1 (count clamped to the
// capacity). False when the file cannot be created or a write fails.
bool WriteRecordsFile(const char* path, const void* table, std::size_t recordSize,
                      std::size_t capacity, int count, const FieldLayout* fields,
                      std::size_t fieldCount);

template <typename Record, std::size_t Capacity, std::size_t FieldCount>
bool ReadTableFile(const char* path, std::array<Record, Capacity>* table,
                   const std::array<FieldLayout, FieldCount>& layout,
                   void (*prepare)(void* record) = nullptr) {
  return ReadRecordsFile(path, table->data(), sizeof(Record), Capacity, layout.data(), FieldCount,
                         prepare);
}

template <typename Record, std::size_t Capacity, std::size_t FieldCount>
bool WriteTableFile(const char* path, const std::array<Record, Capacity>& table, int count,
                    const std::array<FieldLayout, FieldCount>& layout) {
  return WriteRecordsFile(path, table.data(), sizeof(Record), Capacity, count, layout.data(),
                          FieldCount);
}
