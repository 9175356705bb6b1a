#include "setup/settings_dialogs_model.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "setup/settings_dialog_ids.h"

// ---- Display settings ----

const PlacedControl kDisplayLayout[] = {
    {IDC_DISPLAY_TITLE, {10, 8, 500, 30}},
    // Theme: slots 0 to 2 and the logo.
    {IDC_DISPLAY_THEME_GROUP, {8, 40, 552, 172}},
    {IDC_DISPLAY_SOFTWARE_BACKGROUND, {18, 87, 196, 105}},
    {IDC_DISPLAY_TREE_BACKGROUND, {18, 117, 196, 135}},
    {IDC_DISPLAY_TABLE_BACKGROUND, {18, 147, 196, 165}},
    {IDC_DISPLAY_LOGO_LABEL, {300, 82, 548, 101}},
    // Special stage: slots 3 to 7 and fonts 0 and 1.
    {IDC_DISPLAY_STAGE_GROUP, {8, 186, 552, 366}},
    {IDC_DISPLAY_STAGE_NAME, {18, 217, 196, 235}},
    {IDC_DISPLAY_RADIO_CONFLICT, {18, 247, 196, 265}},
    {IDC_DISPLAY_ACTIVATED, {18, 277, 196, 295}},
    {IDC_DISPLAY_IN_PROGRESS, {18, 307, 196, 325}},
    {IDC_DISPLAY_FINISHED, {18, 337, 196, 355}},
    // Table of results: slots 8 to 12, font 2, the style and the columns.
    {IDC_DISPLAY_TABLE_GROUP, {8, 380, 552, 590}},
    {IDC_DISPLAY_TABLE_TITLES, {18, 407, 196, 425}},
    {IDC_DISPLAY_TABLE_RESULTS, {18, 437, 196, 455}},
    {IDC_DISPLAY_RELIEF, {398, 402, 548, 422}},
    {IDC_DISPLAY_GRADIENT, {398, 426, 548, 446}},
    {IDC_DISPLAY_COLUMN_LABEL, {18, 474, 80, 492}},
    {IDC_DISPLAY_COLUMN, {84, 470, 230, 670}},
    {IDC_DISPLAY_FONT_LABEL, {300, 478, 390, 496}},
    {IDC_DISPLAY_WIDTH_LABEL, {18, 504, 80, 522}},
    {IDC_DISPLAY_WIDTH, {84, 500, 130, 522}},
    {IDC_DISPLAY_PLUS, {136, 500, 162, 522}},
    {IDC_DISPLAY_MINUS, {166, 500, 192, 522}},
    {IDC_DISPLAY_LOAD, {18, 606, 118, 632}},
    {IDC_DISPLAY_SAVE, {126, 606, 226, 632}},
    {1, {340, 606, 440, 632}},
    {2, {448, 606, 548, 632}},
};
const std::size_t kDisplayLayoutCount = sizeof kDisplayLayout / sizeof kDisplayLayout[0];

bool IsGroupBox(int id) {
  return id == IDC_DISPLAY_THEME_GROUP || id == IDC_DISPLAY_STAGE_GROUP || id == IDC_DISPLAY_TABLE_GROUP;
}

namespace {

bool StrictlyInside(const PixelRect& r, int x, int y) { return r.left < x && x < r.right && r.top < y && y < r.bottom; }

}  // namespace

bool InLogoArea(int x, int y) {
  return kLogoRect.left < x && x <= kLogoRect.left + kLogoWidth && kLogoRect.top < y &&
         y <= kLogoRect.top + kLogoHeight - 1;
}

PreviewHit HitPreview(int x, int y) {
  if (InLogoArea(x, y)) return {PreviewTarget::Logo, 0};
  for (int i = 0; i < kDisplayColourCount; ++i) {
    if (StrictlyInside(kSwatchRects[i], x, y)) return {PreviewTarget::Swatch, i};
  }
  for (int j = 0; j < kFontSampleCount; ++j) {
    if (StrictlyInside(kSampleRects[j], x, y)) return {PreviewTarget::Sample, j};
  }
  return {PreviewTarget::None, 0};
}

int SampleFont(int sample, int column) { return sample < 3 ? sample : 3 + column; }

PointRange SampleSizes(int sample) {
  static constexpr PointRange kSizes[kFontSampleCount] = {{0, 20}, {0, 40}, {8, 16}, {0, 50}};
  return kSizes[sample];
}

Text DisplayColumnText(int column) {
  static constexpr Text kColumns[kLiveColumnCount] = {
      Text::LivePlace, Text::LiveCarNumber,    Text::LiveDriver,        Text::DisplayColumnTeamNation, Text::LiveCategory,
      Text::LiveTime,  Text::LiveGapToLeader, Text::LiveGapToPrevious, Text::LiveTransponder};
  return kColumns[column];
}

int ColumnOfSelection(int selection, int current) {
  return selection >= 0 && selection < kLiveColumnCount ? selection : current;
}

int WidthStepUp(int width) { return width <= kMaxDisplayColumnWidth - 1 ? width + 1 : width; }
int WidthStepDown(int width) { return width >= 1 ? width - 1 : width; }

int ParseColumnWidth(const char* text) {
  while (*text == ' ') ++text;
  if (*text < '0' || *text > '9') return 0;
  long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (value <= kMaxDisplayColumnWidth) value = value * 10 + (*text - '0');
  }
  while (*text == ' ') ++text;
  if (*text != '\0') return 0;
  return value > kMaxDisplayColumnWidth ? kMaxDisplayColumnWidth : static_cast<int>(value);
}

ThemeSave ThemeSaveName(const char* chosen, const char* proposed, char* out, std::size_t size) {
  if (size) out[0] = '\0';
  if (std::strcmp(chosen, proposed) == 0) return ThemeSave::Nothing;
  return platform::NameWithExtension(chosen, kDisplayThemeExtension, out, size) ? ThemeSave::Write
                                                                               : ThemeSave::TooLong;
}

bool LoadDisplaySettings(const char* path, DisplaySettings* settings, CustomColours* customColours) {
  static DisplaySettings scratch;
  scratch = *settings;
  CustomColours colours = *customColours;
  for (FontSpec& font : scratch.fonts) platform::ZeroBytes(font.face, sizeof font.face);
  platform::ZeroBytes(scratch.logoPath, sizeof scratch.logoPath);
  if (!ReadDisplaySettingsFile(path, &scratch, &colours)) return false;
  *settings = scratch;
  *customColours = colours;
  return true;
}

platform::FontChoice FontChoiceOf(const DisplaySettings& settings, int font) {
  const FontSpec& spec = settings.fonts[font];
  platform::FontChoice choice = {};
  platform::CopyBounded(choice.face, spec.face);
  choice.height = spec.size;
  choice.weight = spec.weight;
  // The logical font holds the flags as bytes.
  choice.italic = spec.italic & 0xFF;
  choice.underline = spec.underline & 0xFF;
  choice.strikeOut = spec.strikeOut & 0xFF;
  choice.colour = settings.fontColours[font];
  return choice;
}

void TakeFontChoice(const platform::FontChoice& choice, int font, DisplaySettings* settings) {
  FontSpec& spec = settings->fonts[font];
  platform::ZeroBytes(spec.face, sizeof spec.face);
  platform::CopyBounded(spec.face, choice.face);
  spec.size = choice.height;
  spec.weight = choice.weight;
  spec.italic = choice.italic & 0xFF;
  spec.underline = choice.underline & 0xFF;
  spec.strikeOut = choice.strikeOut & 0xFF;
  settings->fontColours[font] = choice.colour;
}

// ---- Sound options ----

int LanguageButtonOf(const char* word) {
  if (std::strcmp(word, kSoundLanguageEnglish) == 0) return IDC_SOUNDS_ENGLISH;
  if (std::strcmp(word, kSoundLanguageFrench) == 0) return IDC_SOUNDS_FRENCH;
  return IDC_SOUNDS_CUSTOM;
}

const char* LanguageWordOf(int button) {
  switch (button) {
    case IDC_SOUNDS_ENGLISH: return kSoundLanguageEnglish;
    case IDC_SOUNDS_FRENCH: return kSoundLanguageFrench;
    case IDC_SOUNDS_CUSTOM: return kSoundLanguageCustom;
  }
  return nullptr;
}

void SetSoundLanguage(SoundSettings* settings, int button) {
  const char* word = LanguageWordOf(button);
  if (!word) return;
  platform::ZeroBytes(settings->language, sizeof settings->language);
  platform::CopyBounded(settings->language, word);
}

namespace {

template <typename Char>
struct SoundSwitch {
  Char* field;
  std::size_t size;
  const char* on;
  const char* off;
};

// The line and the words of a switch; the group boxes mix the controls, so they go by id.
template <typename Settings, typename Char = std::remove_reference_t<decltype(std::declval<Settings&>().language[0])>>
SoundSwitch<Char> SwitchOf(Settings& s, int control) {
  switch (control) {
    case IDC_SOUNDS_STAGE_START: return {s.stageStart, sizeof s.stageStart, kSoundStageStartOn, kSoundStageStartOff};
    case IDC_SOUNDS_STAGE_END: return {s.stageEnd, sizeof s.stageEnd, kSoundStageEndOn, kSoundStageEndOff};
    case IDC_SOUNDS_PASSAGES: return {s.passages, sizeof s.passages, kSoundPassagesOn, kSoundPassagesOff};
    case IDC_SOUNDS_BEST_TIME: return {s.bestTime, sizeof s.bestTime, kSoundBestTimeOn, kSoundBestTimeOff};
    case IDC_SOUNDS_LAP_REJECTED:
      return {s.lapRejected, sizeof s.lapRejected, kSoundLapRejectedOn, kSoundLapRejectedOff};
    case IDC_SOUNDS_COUNTDOWN: return {s.countdown, sizeof s.countdown, kSoundCountdownOn, kSoundCountdownOff};
    case IDC_SOUNDS_REST_CLOCK: return {s.restClock, sizeof s.restClock, kSoundRestClockOn, kSoundRestClockOff};
  }
  return {nullptr, 0, nullptr, nullptr};
}

}  // namespace

bool SoundSwitchOn(const SoundSettings& settings, int control) {
  auto line = SwitchOf(settings, control);
  return line.field && std::strncmp(line.field, line.on, line.size) == 0;
}

void SetSoundSwitch(SoundSettings* settings, int control, bool on) {
  auto line = SwitchOf(*settings, control);
  if (!line.field) return;
  platform::ZeroBytes(line.field, line.size);
  platform::CopyBounded(line.field, line.size, on ? line.on : line.off);
}

// ---- Custom sounds ----

namespace {

constexpr int kGroupFirst[kCustomSoundGroups] = {0, 7, 13};
constexpr int kGroupSize[kCustomSoundGroups] = {7, 6, 7};
constexpr int kGroupControls[kCustomSoundGroups] = {IDC_CUSTOM_STAGE_EVENTS, IDC_CUSTOM_COUNTDOWN_EVENTS,
                                                    IDC_CUSTOM_REST_EVENTS};

}  // namespace

int CustomSoundGroupFirst(int group) { return kGroupFirst[group]; }
int CustomSoundGroupSize(int group) { return kGroupSize[group]; }

int CustomSoundGroupOf(int control, int* part) {
  for (int g = 0; g < kCustomSoundGroups; ++g) {
    if (control >= kGroupControls[g] && control < kGroupControls[g] + 4) {
      *part = control - kGroupControls[g];
      return g;
    }
  }
  return -1;
}

int CustomSoundSlot(int group, int event) {
  if (group < 0 || group >= kCustomSoundGroups || event < 0 || event >= kGroupSize[group]) return -1;
  return kGroupFirst[group] + event;
}

Text CustomSoundEventText(int slot) {
  static constexpr Text kEvents[kCustomSoundCount] = {
      Text::CustomSoundStageStart,  Text::CustomSoundStagePaused,  Text::CustomSoundStageFinished,
      Text::CustomSoundDriverStart, Text::CustomSoundDriverArrival, Text::CustomSoundBestTime,
      Text::CustomSoundTimeRejected, Text::CustomSound30Seconds,   Text::CustomSound10Seconds,
      Text::CustomSoundThree,       Text::CustomSoundTwo,          Text::CustomSoundOne,
      Text::CustomSoundGo,          Text::CustomSound60Minutes,    Text::CustomSound30Minutes,
      Text::CustomSound15Minutes,   Text::CustomSound5Minutes,     Text::CustomSound2Minutes,
      Text::CustomSound1Minute,     Text::CustomSoundRestElapsed};
  return kEvents[slot];
}
