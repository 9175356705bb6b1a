// Readers of the fields of the program's text files, bounded to the destination field.
#pragma once

#include <cstddef>

#include "platform/text_file.h"

// Skips blanks, tabs and line ends; returns the next character without consuming it.
int SkipWhitespace(platform::TextFile& file);

// Reads a blank-delimited word as "%s" does: leading whitespace skipped, then up to the
// next whitespace. At most size - 1 bytes are stored (the rest of the word is skipped) and
// the field is terminated. False at end of file with no word.
bool ReadWord(platform::TextFile& file, char* field, std::size_t size);
template <std::size_t N>
bool ReadWord(platform::TextFile& file, char (&field)[N]) {
  return ReadWord(file, field, N);
}

// Reads a decimal number as "%d" does (leading whitespace, optional sign, digits). False
// when no number stands there; *value is then left as it was.
bool ReadInt(platform::TextFile& file, int* value);

// Where a text field of the event file ends: at its TAB, or also at a line end.
enum class FieldEnd { Tab, TabOrLineEnd };

// Reads a text field as the event file stores it ("%s\t"): clears the field, keeps at most
// size - 1 bytes up to the terminator and skips the rest of the field; the terminator is
// consumed, not stored. Returns the terminator: '\t', '\n' or EOF.
int ReadTextField(platform::TextFile& file, char* field, std::size_t size, FieldEnd end);
template <std::size_t N>
int ReadTextField(platform::TextFile& file, char (&field)[N], FieldEnd end = FieldEnd::Tab) {
  return ReadTextField(file, field, N, end);
}

// Reads a number written as "%d\t" and the one TAB that ends it; blanks and TABs before it
// are skipped, a line end never. Only the one TAB after it is taken, so a text field that
// follows reads back whole even when it is empty. False when no number stands on the line.
bool ReadNumberField(platform::TextFile& file, int* value);

// Skips line ends; returns the next character without consuming it.
int SkipLineEnds(platform::TextFile& file);
// Skips the rest of the current line and its line end.
void SkipRestOfLine(platform::TextFile& file);
