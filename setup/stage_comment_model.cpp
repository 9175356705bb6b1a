#include "setup/stage_comment_model.h"

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/event_records.h"

namespace {

struct ConditionWords {
  TrackCondition condition;
  const char* words[3];  // English, French, Spanish
};

constexpr ConditionWords kConditionWords[] = {
    {TrackCondition::Dry, {"Dry", "Sec", "Seco"}},
    {TrackCondition::Wet, {"Wet", "Pluie", "Lluvia"}},
    {TrackCondition::Ice, {"Ice", "Glace", "Hielo"}},
};

void ShowFileError(platform::WindowHandle owner) {
  platform::ShowMessage(owner, Tr(Text::StageCommentFileNotFound), Tr(Text::CaptionError), platform::kMbOk);
}

}  // namespace

TrackCondition ConditionOfWord(const char* word) {
  for (const ConditionWords& entry : kConditionWords) {
    for (const char* known : entry.words) {
      if (std::strcmp(word, known) == 0) return entry.condition;
    }
  }
  return TrackCondition::Other;
}

const char* ConditionWord(TrackCondition condition) {
  switch (condition) {
    case TrackCondition::Wet:
      return Tr(Text::TrackConditionWet);
    case TrackCondition::Ice:
      return Tr(Text::TrackConditionIce);
    case TrackCondition::Dry:
    case TrackCondition::Other:
      break;
  }
  return Tr(Text::TrackConditionDry);
}

StageComment OpenStageComment(platform::WindowHandle owner) {
  StageComment comment = {};
  if (!ReadStageComment(&comment)) {
    ShowFileError(owner);
    return StageComment{};
  }
  TrackCondition condition = ConditionOfWord(comment.trackCondition);
  if (condition != TrackCondition::Other) platform::CopyBounded(comment.trackCondition, ConditionWord(condition));
  return comment;
}

void SetCommentText(StageComment* comment, const char* text) { platform::CopyBounded(comment->comment, text); }

bool StoreStageComment(platform::WindowHandle owner, const StageComment& comment) {
  StageComment stored = comment;
  if (stored.trackCondition[0] == '\0') platform::CopyBounded(stored.trackCondition, ConditionWord(TrackCondition::Dry));
  for (char& c : stored.comment) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  if (stored.comment[0] == '\0') platform::CopyBounded(stored.comment, kNoComment);
  if (!WriteStageComment(stored)) {
    ShowFileError(owner);
    return false;
  }
  return true;
}
