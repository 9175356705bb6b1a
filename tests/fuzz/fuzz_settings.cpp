// The operator's settings files: sound switches, custom sounds, display settings and their
// ".scrn3" themes, the stage comment (as the main window and the comment dialog read it).
#include <cstdint>
#include <cstring>

#include "race/live_table.h"
#include "race/settings_files.h"
#include "setup/stage_comment_model.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

// The race screen places its columns, headings and the time correction's edits with the
// widths read, on a screen of the designed size and on a wider one.
void RaceScreenFromWidths(const DisplaySettings& display) {
  for (int width : display.columnWidths)
    if (width < 0 || width > kMaxDisplayColumnWidth) fuzz::Fail("a column width beyond what the dialog sets");
  for (int screenWidth : {1600, 2560}) {
    const RaceRowMetrics rows = {30, 17, 17};
    const LiveTableGeometry g = MakeLiveTableGeometry(screenWidth, 900, display.columnWidths, 100, rows);
    for (int edit = 0; edit < 4; ++edit) CorrectionEditRect(g, display.columnWidths[5], 1, edit);
    const LiveTableColumns columns =
        ComputeLiveTableColumns(g.layout, screenWidth, display.columnWidths, 100, 1, 1);
    for (const LiveColumnDraw& column : columns.column) HeadingRoom(column);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  static DisplaySettings display;
  static CustomColours colours;
  static CustomSoundPaths sounds;
  fuzz::Choice in = fuzz::Choose(data, size, 6);
  switch (in.pick) {
    case 0: {
      fuzz::WriteFile(kSoundSettingsFile, in.data, in.size);
      SoundSettings switches;
      std::memset(&switches, 0, sizeof switches);
      ReadSoundSettings(&switches);
      fuzz::CheckTexts(switches.language, switches.stageStart, switches.stageEnd, switches.passages,
                       switches.bestTime, switches.lapRejected, switches.countdown, switches.restClock);
      // The sound options dialog writes back what it read: the words must come back as they were.
      if (!WriteSoundSettings(switches)) fuzz::Fail("the sound settings could not be written back");
      SoundSettings back;
      std::memset(&back, 0, sizeof back);
      ReadSoundSettings(&back);
      if (std::memcmp(&back, &switches, sizeof back) != 0) fuzz::Fail("sound settings written back differ");
      break;
    }
    case 1:
      fuzz::WriteFile(kCustomSoundsFile, in.data, in.size);
      ClearCustomSoundPaths(&sounds);
      ReadCustomSoundsFile(kCustomSoundsFile, &sounds);
      for (const auto& path : sounds.path) fuzz::CheckTexts(path);
      break;
    case 2:
    case 3: {
      const char* path = in.pick == 2 ? kDisplaySettingsFile : "Theme.scrn3";
      fuzz::WriteFile(path, in.data, in.size);
      std::memset(&display, 0, sizeof display);
      colours = {};
      ReadDisplaySettingsFile(path, &display, &colours);
      fuzz::CheckTexts(display.logoPath);
      for (const FontSpec& font : display.fonts) fuzz::CheckTexts(font.face);
      RaceScreenFromWidths(display);
      break;
    }
    case 4: {
      fuzz::WriteFile(kStageCommentFile, in.data, in.size);
      StageComment comment = {};
      ReadStageComment(&comment);
      fuzz::CheckTexts(comment.trackCondition, comment.comment);
      break;
    }
    default: {
      fuzz::WriteFile(kStageCommentFile, in.data, in.size);
      StageComment comment = OpenStageComment(nullptr);
      fuzz::CheckTexts(comment.trackCondition, comment.comment);
      break;
    }
  }
  fuzz::EndInput();
  return 0;
}
