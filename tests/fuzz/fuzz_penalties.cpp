// The penalty database and its ".pen" imports, as the program and the penalty dialog read
// them, and the late-start penalty settings.
#include <cstdint>
#include <cstring>

#include "race/penalty_database.h"
#include "setup/penalty_dialog_model.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

void CheckList(const PenaltyRecord list[kMaxPenalties]) {
  for (int i = 0; i < kMaxPenalties; ++i) fuzz::CheckTexts(list[i].code, list[i].name, list[i].description);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  static PenaltyRecord list[kMaxPenalties];
  static PenaltyDialogModel model;
  fuzz::Choice in = fuzz::Choose(data, size, 5);
  switch (in.pick) {
    case 0:
      fuzz::WriteFile(kPenaltiesDatabaseFile, in.data, in.size);
      ClearPenaltyList(list);
      ReadPenaltiesDatabase(list);
      EnsureFixedPenalties(list, FixedPenaltiesMoment::Opening);
      CheckList(list);
      break;
    case 1:
      fuzz::WriteFile("import.pen", in.data, in.size);
      ClearPenaltyList(list);
      ImportPenaltiesDatabase("import.pen", list);
      EnsureFixedPenalties(list, FixedPenaltiesMoment::AfterImport);
      CheckList(list);
      break;
    case 2: {
      fuzz::WriteFile(kLateStartPenaltyFile, in.data, in.size);
      LateStartPenaltySettings settings = {0, 0, 60};
      ReadLateStartPenaltySettings(&settings);
      LateStartLimitMs(settings);
      break;
    }
    case 3:
      // The dialog: database and late-start settings together (the input is both files).
      fuzz::WriteFile(kPenaltiesDatabaseFile, in.data, in.size);
      fuzz::WriteFile(kLateStartPenaltyFile, in.data, in.size);
      std::memset(&model, 0, sizeof model);
      OpenPenaltyModel(nullptr, &model);
      CheckList(model.list);
      // The operator types into the delay's edits: the other part is what the file gave.
      SetDelaySeconds(&model, 59);
      SetDelayMinutes(&model, 99);
      break;
    default:
      fuzz::WriteFile("import.pen", in.data, in.size);
      std::memset(&model, 0, sizeof model);
      OpenPenaltyModel(nullptr, &model);
      ImportPenalties(nullptr, &model, "import.pen");
      CheckList(model.list);
      break;
  }
  fuzz::EndInput();
  return 0;
}
