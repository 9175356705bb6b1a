#include "results/points_scale_file.h"

#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/text_fields.h"
#include "setup/database_dialog_model.h"

namespace {

constexpr int kDefaultRally[kRallyScaleValues] = {25, 7, 3, 3, 2, 2, 2, 2, 2, 1, 1, 0};
constexpr int kDefaultPowerStage[kPowerStageScaleValues] = {5, 1, 1, 1, 1, 1, 0, 0, 0, 0};
constexpr int kUnusedRallyFields = 8;
constexpr int kUnusedPowerStageFields = 10;

// Numbers of one line, each "%d\t"; one that is missing leaves its value and ends the line.
class LineNumbers {
 public:
  explicit LineNumbers(platform::TextFile& file) : file_(file) {}
  void Next(int* value) {
    int read = 0;
    if (ended_ || !ReadNumberField(file_, &read)) {
      ended_ = true;
      return;
    }
    if (value) *value = read;
  }

 private:
  platform::TextFile& file_;
  bool ended_ = false;
};

// Each value within the digits of its edit (and never below 0: the edits take digits only).
template <std::size_t N>
void BoundValues(int (&values)[N]) {
  for (std::size_t k = 0; k < N; ++k) {
    int largest = 1;
    for (int digit = 0; digit < ScaleValueDigits(static_cast<int>(k)); ++digit) largest *= 10;
    --largest;
    values[k] = values[k] < 0 ? 0 : values[k] > largest ? largest : values[k];
  }
}

// A line edited by hand may hold any number: the scale keeps only what the window could have
// stored, so that the points computed from it stay small.
void BoundScale(PointsAllocation* scale) {
  if (scale->order != kPointsAscending) scale->order = kPointsDescending;
  if (scale->rallyMode != kPointsFixed) scale->rallyMode = kPointsRelative;
  if (scale->powerStageMode != kPointsFixed) scale->powerStageMode = kPointsRelative;
  BoundValues(scale->rally);
  BoundValues(scale->powerStage);
}

void ReadScaleLine(platform::TextFile& file, PointsAllocation* scale) {
  LineNumbers numbers(file);
  numbers.Next(&scale->order);
  numbers.Next(&scale->rallyMode);
  for (int& value : scale->rally) numbers.Next(&value);
  for (int i = 0; i < kUnusedRallyFields; ++i) numbers.Next(nullptr);
  numbers.Next(&scale->powerStageMode);
  for (int& value : scale->powerStage) numbers.Next(&value);
  BoundScale(scale);
}

struct PointsFileContent {
  const char* selectedName;
  const PointsScaleTable* table;
  int count;
};

bool WriteContent(const char* path, const void* context) {
  const auto& content = *static_cast<const PointsFileContent*>(context);
  platform::TextFile file(path, "w");
  if (!file) return false;
  char name[kChampionshipNameSize];
  platform::CopyBounded(name, content.selectedName);
  bool ok = file.Printf("%s\t%s\t\n", kPointsScaleHeaderWord, name) > 0;
  for (int i = 0; ok && i < content.count; ++i) {
    const PointsAllocation& scale = (*content.table)[static_cast<std::size_t>(i)];
    platform::CopyBounded(name, scale.name);
    ok = file.Printf("%s\t%d\t%d\t", name, scale.order, scale.rallyMode) > 0;
    for (int value : scale.rally) ok = ok && file.Printf("%d\t", value) > 0;
    for (int k = 0; k < kUnusedRallyFields; ++k) ok = ok && file.Write("0\t");
    ok = ok && file.Printf("%d\t", scale.powerStageMode) > 0;
    for (int value : scale.powerStage) ok = ok && file.Printf("%d\t", value) > 0;
    for (int k = 0; k < kUnusedPowerStageFields; ++k) ok = ok && file.Write("0\t");
    ok = ok && file.Write("\n");
  }
  return ok && file.Flush();
}

}  // namespace

void SetDefaultPointsAllocation(PointsAllocation* scale) {
  platform::ZeroBytes(scale->name, sizeof scale->name);
  scale->order = kPointsDescending;
  scale->rallyMode = kPointsFixed;
  scale->powerStageMode = kPointsFixed;
  std::memcpy(scale->rally, kDefaultRally, sizeof scale->rally);
  std::memcpy(scale->powerStage, kDefaultPowerStage, sizeof scale->powerStage);
}

void SetDefaultPointsScales(PointsScaleTable* table) {
  for (PointsAllocation& scale : *table) SetDefaultPointsAllocation(&scale);
}

bool ReadPointsAllocationFile(char* selectedName, PointsScaleTable* table) {
  platform::TextFile file(kPointsScaleFile, "r");
  if (!file) return false;
  // Line 1: the word, then the selected name.
  int c;
  while ((c = file.GetChar()) != EOF && c != '\t' && c != '\n') {}
  if (c == '\t') {
    char name[kChampionshipNameSize];
    if (ReadTextField(file, name, sizeof name, FieldEnd::TabOrLineEnd) != '\n') SkipRestOfLine(file);
    std::memcpy(selectedName, name, sizeof name);
  }
  // Then one championship per line; a byte 0xFF is text like any other, only the end of the
  // file ends the reading.
  std::size_t record = 0;
  while (record < table->size() && file.PeekChar() != EOF) {
    if (file.PeekChar() == '\n') {  // an empty line holds no championship
      file.GetChar();
      continue;
    }
    PointsAllocation& scale = (*table)[record++];
    if (ReadTextField(file, scale.name, sizeof scale.name, FieldEnd::TabOrLineEnd) != '\t') continue;
    ReadScaleLine(file, &scale);
    SkipRestOfLine(file);
  }
  return true;
}

bool WritePointsAllocationFile(const char* selectedName, const PointsScaleTable& table, int count) {
  if (count < 0) count = 0;
  if (count > kMaxPointsScales) count = kMaxPointsScales;
  PointsFileContent content = {selectedName, &table, count};
  return dbdialog::ReplaceDatabaseFile(kPointsScaleFile, WriteContent, &content);
}
