#include "race/settings_files.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/database_layout.h"
#include "race/text_fields.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Copies the first word of line into field (at most size - 1 bytes).
void CopyFirstWord(char* field, std::size_t size, const char* line) {
  while (IsBlank(*line)) ++line;
  std::size_t n = 0;
  while (line[n] != '\0' && !IsBlank(line[n])) ++n;
  platform::ZeroBytes(field, size);
  std::memcpy(field, line, n < size ? n : size - 1);
}

// Splits a line at its TABs in place; fields[i] points to the i-th field. Returns how many
// fields stand on the line (a final TAB opens no field).
template <std::size_t N>
std::size_t SplitAtTabs(char* line, char* (&fields)[N]) {
  std::size_t count = 0;
  char* field = line;
  while (count < N) {
    char* tab = std::strchr(field, '\t');
    if (!tab && *field == '\0') break;
    fields[count++] = field;
    if (!tab) break;
    *tab = '\0';
    field = tab + 1;
  }
  return count;
}

// Lines of numbers are at most 16 values of 11 characters and their TABs; a longer line is
// cut at this size, never overrun.
constexpr std::size_t kNumberLineSize = 512;

// Reads one line of numbers into values[0], values[stride], ...: a missing or non-numeric
// value leaves its slot as it was.
template <typename Record>
bool ReadNumberLine(platform::TextFile& file, Record* first, int Record::*member, int count) {
  char line[kNumberLineSize];
  if (!file.ReadLine(line, sizeof line)) return false;
  char* fields[kCustomColourCount];
  std::size_t found = SplitAtTabs(line, fields);
  for (std::size_t i = 0; i < found && i < static_cast<std::size_t>(count); ++i) {
    ParseInt(fields[i], &(first[i].*member));
  }
  return true;
}

bool ReadNumberLine(platform::TextFile& file, int* values, int count) {
  char line[kNumberLineSize];
  if (!file.ReadLine(line, sizeof line)) return false;
  char* fields[kCustomColourCount];
  std::size_t found = SplitAtTabs(line, fields);
  for (std::size_t i = 0; i < found && i < static_cast<std::size_t>(count); ++i) {
    ParseInt(fields[i], &values[i]);
  }
  return true;
}

bool WriteNumberLine(platform::TextFile& file, const int* values, int count) {
  bool ok = true;
  for (int i = 0; i < count; ++i) ok = file.Printf("%d\t", values[i]) > 0 && ok;
  return file.PutChar('\n') && ok;
}

bool WriteFontLine(platform::TextFile& file, const DisplaySettings& settings,
                   int FontSpec::*member) {
  int values[kDisplayFontCount];
  for (int i = 0; i < kDisplayFontCount; ++i) values[i] = settings.fonts[i].*member;
  return WriteNumberLine(file, values, kDisplayFontCount);
}

// A field's text (at most size - 1 bytes, so an unterminated field never overruns) and "\n".
bool WriteBoundedLine(platform::TextFile& file, const char* text, std::size_t size) {
  std::size_t length = 0;
  while (length + 1 < size && text[length] != '\0') ++length;
  bool ok = file.Write(text, length);
  return file.PutChar('\n') && ok;
}

// The eight words of "RéglagesSons.rg" in line order (Char: char to read, const char to write).
template <typename Char>
struct SoundSlot {
  Char* field;
  std::size_t size;
};
template <typename Settings>
auto SoundSlots(Settings* s) {
  using Char = std::remove_reference_t<decltype(s->language[0])>;
  return std::array<SoundSlot<Char>, 8>{{{s->language, sizeof s->language},
                                         {s->stageStart, sizeof s->stageStart},
                                         {s->stageEnd, sizeof s->stageEnd},
                                         {s->passages, sizeof s->passages},
                                         {s->bestTime, sizeof s->bestTime},
                                         {s->lapRejected, sizeof s->lapRejected},
                                         {s->countdown, sizeof s->countdown},
                                         {s->restClock, sizeof s->restClock}}};
}

}  // namespace

bool ReadSoundSettings(SoundSettings* settings) {
  platform::TextFile file(kSoundSettingsFile, "r");
  if (!file) return false;
  file.Rewind();
  for (const auto& slot : SoundSlots(settings)) {
    char line[64];
    if (!file.ReadLine(line, sizeof line)) break;
    CopyFirstWord(slot.field, slot.size, line);
  }
  return true;
}

bool WriteSoundSettings(const SoundSettings& settings) {
  platform::TextFile file(kSoundSettingsFile, "w+");
  if (!file) return false;
  bool ok = true;
  for (const auto& slot : SoundSlots(&settings)) {
    ok = WriteBoundedLine(file, slot.field, slot.size) && ok;
  }
  return file.Flush() && ok;
}

void ClearCustomSoundPaths(CustomSoundPaths* paths) { platform::ZeroBytes(paths, sizeof *paths); }

bool WriteCustomSoundsFile(const char* filePath, const CustomSoundPaths& paths) {
  platform::TextFile file(filePath, "w+");
  if (!file) return false;
  bool ok = true;
  for (const auto& path : paths.path) ok = WriteBoundedLine(file, path, sizeof path) && ok;
  return file.Flush() && ok;
}

bool ReadCustomSoundsFile(const char* filePath, CustomSoundPaths* paths) {
  platform::TextFile file(filePath, "r");
  if (!file) return false;
  file.Rewind();
  for (auto& path : paths->path) {
    char line[sizeof path];
    if (!file.ReadLine(line, sizeof line)) break;
    if (line[0] != '\0') platform::CopyBounded(path, line);
  }
  return true;
}

bool WriteDisplaySettingsFile(const char* filePath, const DisplaySettings& settings,
                              const CustomColours& customColours) {
  platform::TextFile file(filePath, "w+");
  if (!file) return false;
  bool ok = WriteNumberLine(file, &settings.tableStyle, 1);
  ok = WriteTextField(file, settings.logoPath, sizeof settings.logoPath) && ok;
  ok = file.PutChar('\n') && ok;
  for (const FontSpec& font : settings.fonts) {
    ok = WriteTextField(file, font.face, sizeof font.face) && ok;
  }
  ok = file.PutChar('\n') && ok;
  ok = WriteFontLine(file, settings, &FontSpec::size) && ok;
  ok = WriteFontLine(file, settings, &FontSpec::weight) && ok;
  ok = WriteFontLine(file, settings, &FontSpec::italic) && ok;
  ok = WriteFontLine(file, settings, &FontSpec::underline) && ok;
  ok = WriteFontLine(file, settings, &FontSpec::strikeOut) && ok;
  ok = WriteNumberLine(file, settings.fontColours, kDisplayFontCount) && ok;
  ok = WriteNumberLine(file, settings.displayColours, kDisplayColourCount) && ok;
  ok = WriteNumberLine(file, settings.columnWidths, kLiveColumnCount) && ok;
  ok = WriteNumberLine(file, customColours.data(), kCustomColourCount) && ok;
  return file.Flush() && ok;
}

bool ReadDisplaySettingsFile(const char* filePath, DisplaySettings* settings,
                             CustomColours* customColours) {
  platform::TextFile file(filePath, "r");
  if (!file) return false;
  file.Rewind();
  if (!ReadNumberLine(file, &settings->tableStyle, 1)) return true;

  // The logo path and the faces are read up to their TABs within their own lines.
  char line[1024];
  if (!file.ReadLine(line, sizeof line)) return true;
  char* logo[1];
  if (SplitAtTabs(line, logo) == 1 && logo[0][0] != '\0') {
    platform::CopyBounded(settings->logoPath, logo[0]);
  }
  if (!file.ReadLine(line, sizeof line)) return true;
  char* faces[kDisplayFontCount];
  std::size_t found = SplitAtTabs(line, faces);
  for (std::size_t i = 0; i < found; ++i) {
    if (faces[i][0] != '\0') platform::CopyBounded(settings->fonts[i].face, faces[i]);
  }

  const bool whole = ReadNumberLine(file, settings->fonts, &FontSpec::size, kDisplayFontCount) &&
                     ReadNumberLine(file, settings->fonts, &FontSpec::weight, kDisplayFontCount) &&
                     ReadNumberLine(file, settings->fonts, &FontSpec::italic, kDisplayFontCount) &&
                     ReadNumberLine(file, settings->fonts, &FontSpec::underline, kDisplayFontCount) &&
                     ReadNumberLine(file, settings->fonts, &FontSpec::strikeOut, kDisplayFontCount) &&
                     ReadNumberLine(file, settings->fontColours, kDisplayFontCount) &&
                     ReadNumberLine(file, settings->displayColours, kDisplayColourCount) &&
                     ReadNumberLine(file, settings->columnWidths, kLiveColumnCount);
  // The race screen places its columns, edits and headings with these: a width that neither
  // the dialog nor a drag can set is damage.
  for (int& width : settings->columnWidths) width = std::clamp(width, 0, kMaxDisplayColumnWidth);
  if (whole) ReadNumberLine(file, customColours->data(), kCustomColourCount);
  return true;
}

bool WriteStageComment(const StageComment& comment) {
  platform::TextFile file(kStageCommentFile, "w+");
  if (!file) return false;
  bool ok = WriteTextField(file, comment.trackCondition, sizeof comment.trackCondition);
  ok = WriteTextField(file, comment.comment, sizeof comment.comment) && ok;
  ok = file.PutChar('\n') && ok;
  return file.Flush() && ok;
}

bool ReadStageComment(StageComment* comment) {
  platform::TextFile file(kStageCommentFile, "r");
  if (!file) return false;
  file.Rewind();
  // The comment may hold line breaks: it is read up to its TAB.
  if (ReadTabField(file, comment->trackCondition, sizeof comment->trackCondition)) {
    ReadTabField(file, comment->comment, sizeof comment->comment);
  }
  return true;
}

bool ReadLogoPath(char (&logoPath)[kLogoPathSize]) {
  platform::ZeroBytes(logoPath, sizeof logoPath);
  platform::TextFile file(kDisplaySettingsFile, "r");
  if (!file) return false;
  SkipRestOfLine(file);
  ReadTextField(file, logoPath, FieldEnd::TabOrLineEnd);
  return true;
}
