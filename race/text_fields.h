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
