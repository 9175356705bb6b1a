// The decisions of the stage comment dialog: the track condition words of the three builds,
// and what is stored in "CommentaireSpeciale.res".
#pragma once

#include <cstddef>

#include "platform/message_box.h"
#include "race/settings_files.h"

enum class TrackCondition { Dry, Wet, Ice, Other };

// The condition a word stands for in any build's language ("Sec", "Seco", "Pluie", ...);
// Other for an unknown or empty word.
TrackCondition ConditionOfWord(const char* word);
// The word the active build stores for a condition (not Other).
const char* ConditionWord(TrackCondition condition);

// Clears the comment and reads the file; a known word becomes the active build's word and an
// unknown one is kept. Shows "Error: Special stage comment file not found" when the file
// cannot be read, leaving both fields empty.
StageComment OpenStageComment(platform::WindowHandle owner);

// The comment as typed (at most 99 bytes are kept).
void SetCommentText(StageComment* comment, const char* text);

// Writes the comment as it must be stored: an empty condition is the dry word, CR, LF and TAB
// become blanks (the comment travels in one-line fields), an empty comment is one blank. Shows
// the file error when it cannot be written.
bool StoreStageComment(platform::WindowHandle owner, const StageComment& comment);
